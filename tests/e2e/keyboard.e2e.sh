#!/usr/bin/env bash
# The keyboard alone: the About box closes with Enter and with Space on its
# focused « OK »; in the configuration dialog the focus starts in the rows
# field and Tab walks the controls in order, Alt+Up and Alt+Down step a
# field, Alt+F closes without applying and Alt+C applies.
source "$(dirname "$0")/lib.sh"

ABOUT="A propos de..."
DIALOG="Configuration"

start_brelix
wait_main_window

for key in Return space; do
  menu_command a p
  drive wait-window "$ABOUT" 10000 >/dev/null
  check "About box: focus on OK" "button OK" "$(settle "button OK" drive focus "$ABOUT")"
  xdotool key "$key"
  check "About box closes with $key" "0" "$(drive gone "$ABOUT" 5000; echo $?)"
done

menu_command o c
drive wait-window "$DIALOG" 10000 >/dev/null
check "focus starts in the rows" "field 1" "$(settle "field 1" drive focus "$DIALOG")"
for expected in "field 2" "field 3" "button &Configurer" "button &Fermer" "field 1"; do
  xdotool key Tab
  check "Tab to $expected" "$expected" "$(settle "$expected" drive focus "$DIALOG")"
done

xdotool key alt+Up
check "Alt+Up steps the rows up" "6 5 250" "$(settle "6 5 250" spin_texts "$DIALOG")"
xdotool key alt+Down alt+Down
check "Alt+Down twice steps them down" "4 5 250" "$(settle "4 5 250" spin_texts "$DIALOG")"

xdotool key alt+f
check "Alt+F closes" "0" "$(drive gone "$DIALOG" 5000; echo $?)"
sleep 0.3  # a wrong apply would resize the window right after the closing
check "nothing applied" "200x260" "$(main_size)"

menu_command o c
drive wait-window "$DIALOG" 10000 >/dev/null
check "fields back to the game's grid" "5 5 250" "$(settle "5 5 250" spin_texts "$DIALOG")"
# A dialog shown again keeps the focus where it was left: tab round to the
# rows field, letting each Tab land before the next.
for _ in 1 2 3 4 5; do
  focus=$(drive focus "$DIALOG")
  [ "$focus" = "field 1" ] && break
  xdotool key Tab
  for _ in $(seq 20); do [ "$(drive focus "$DIALOG")" != "$focus" ] && break; sleep 0.1; done
done
check "back in the rows field" "field 1" "$(drive focus "$DIALOG")"
xdotool type --delay 60 "3"
xdotool key Tab
xdotool type --delay 60 "4"
check "typed" "3 4 120" "$(settle "3 4 120" spin_texts "$DIALOG")"
xdotool key alt+c
check "Alt+C closes" "0" "$(drive gone "$DIALOG" 5000; echo $?)"
# Outer size: columns x 20 + 100 wide, rows x 32 + 100 high.
check "3 x 4 grid applied" "180x196" "$(settle 180x196 main_size)"

quit_from_menu
check_clean_exit
finish
