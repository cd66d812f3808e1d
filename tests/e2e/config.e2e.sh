#!/usr/bin/env bash
# Outils > Configurer la grille with the real keyboard: eight columns, applied
# with Alt+C; the main window takes the new board's size.
source "$(dirname "$0")/lib.sh"

start_brelix
wait_main_window
check "start-up size" "200x260" "${MAIN_W:-}x${MAIN_H:-}"

menu_command o c
read -r _ _ dw dh < <(drive wait-window "Configuration" 10000)
check "dialog opens" "201x260" "${dw:-}x${dh:-}"
# Focus starts in the rows field; Tab goes on to the columns.
xdotool key Tab
xdotool type --delay 80 "8"
check "columns typed" "5 8 400" "$(settle "5 8 400" spin_texts "Configuration")"
screenshot config-dialog
xdotool key alt+c
check "dialog hidden" "0" "$(drive gone "Configuration" 5000; echo $?)"
check "new outer size" "260x260" "$(settle 260x260 main_size)"
read -r x2 y2 _ _ < <(drive wait-window "$TITLE" 5000)
check "same position" "$MAIN_X,$MAIN_Y" "${x2:-},${y2:-}"
check "last tile" "yes" "$(drive tile "$TITLE" 39 >/dev/null && echo yes || echo no)"
screenshot config-applied

quit_from_menu
check_clean_exit
finish
