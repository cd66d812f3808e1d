#!/usr/bin/env bash
# Start Brelix.exe, slide tile 24 with a real mouse click, quit from the menu
# with the keyboard: the window, the move and the exit code seen from outside.
source "$(dirname "$0")/lib.sh"

start_brelix
read -r x y w h < <(drive wait-window "$TITLE" 15000)
check "window appears" "yes" "$([ -n "${w:-}" ] && echo yes || echo no)"
check "outer size" "200x260" "${w:-}x${h:-}"
check "centred on the 800x600 desktop" "300,170" "${x:-},${y:-}"

read -r tx ty < <(drive tile "$TITLE" 24)
xdotool mousemove "$tx" "$ty" click 1
sleep 0.5
check "status after one move" "Joués : 1" "$(drive status "$TITLE")"
read -r nx ny < <(drive tile "$TITLE" 24)
check "tile 24 moved right" "yes" "$([ "${nx:-0}" -gt "$tx" ] && [ "${ny:-0}" -eq "$ty" ] && echo yes || echo no)"
import -window root "$ARTIFACTS/play.png"

quit_from_menu
check_clean_exit
finish
