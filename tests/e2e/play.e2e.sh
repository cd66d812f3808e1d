#!/usr/bin/env bash
# Start Brelix.exe, slide tile 24 with a real mouse click, quit from the menu
# with the keyboard: the window, the move and the exit code seen from outside.
source "$(dirname "$0")/lib.sh"

start_brelix
wait_main_window
check "outer size" "200x260" "${MAIN_W:-}x${MAIN_H:-}"
check "centred on the 800x600 desktop" "300,170" "${MAIN_X:-},${MAIN_Y:-}"

read -r tx ty < <(drive tile "$TITLE" 24)
click_tile 24
check "status after one move" "Joués : 1" "$(wait_status "Joués : 1")"
read -r nx ny < <(drive tile "$TITLE" 24)
check "tile 24 moved right" "yes" "$([ "${nx:-0}" -gt "${tx:-0}" ] && [ "${ny:-0}" -eq "${ty:-0}" ] && echo yes || echo no)"
screenshot play-one-move

quit_from_menu
check_clean_exit
finish
