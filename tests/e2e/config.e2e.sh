#!/usr/bin/env bash
# Outils > Configurer la grille with the real keyboard: eight columns, applied
# with Alt+C; the main window takes the new board's size.
source "$(dirname "$0")/lib.sh"

start_brelix
read -r x y w h < <(drive wait-window "$TITLE" 15000)
check "start-up size" "200x260" "${w:-}x${h:-}"
# Give the window the keyboard.
read -r tx ty < <(drive tile "$TITLE" 1)
xdotool mousemove "$tx" "$ty" click 1
sleep 0.3

xdotool key alt+o
sleep 0.4
xdotool key c
read -r dx dy dw dh < <(drive wait-window "Configuration" 10000)
check "dialog opens" "201x260" "${dw:-}x${dh:-}"
# Focus starts in the rows field; Tab goes on to the columns.
xdotool key Tab
sleep 0.2
xdotool type --delay 80 "8"
sleep 0.3
import -window root "$ARTIFACTS/config-dialog.png"
xdotool key alt+c
sleep 0.8
read -r x2 y2 w2 h2 < <(drive wait-window "$TITLE" 5000)
check "new outer size" "260x260" "${w2:-}x${h2:-}"
check "same position" "$x,$y" "${x2:-},${y2:-}"
check "dialog hidden" "1" "$(drive wait-window "Configuration" 300 >/dev/null; echo $?)"
check "last tile" "yes" "$(drive tile "$TITLE" 39 >/dev/null && echo yes || echo no)"
import -window root "$ARTIFACTS/config-applied.png"

quit_from_menu
check_clean_exit
finish
