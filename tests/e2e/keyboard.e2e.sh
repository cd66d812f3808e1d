#!/usr/bin/env bash
# The keyboard alone: the About box closes with Enter and with Space on its
# focused « OK »; in the configuration dialog the focus starts in the rows
# field and Tab walks the controls in order, Alt+Up and Alt+Down step a
# field, Alt+F closes without applying and Alt+C applies; a tile slid with
# Space keeps the focus, and a whole game is played to its end.
source "$(dirname "$0")/lib.sh"

ABOUT="A propos de..."
DIALOG="Configuration"

# Tab until FOCUS (as "drive focus" names it) holds the focus in WINDOW,
# letting each Tab land before the next.
tab_to() {  # tab_to WINDOW FOCUS
  local focus
  for _ in $(seq 30); do
    focus=$(drive focus "$1")
    [ "$focus" = "$2" ] && break
    xdotool key Tab
    for _ in $(seq 20); do [ "$(drive focus "$1")" != "$focus" ] && break; sleep 0.1; done
  done
  check "Tab to $2" "$2" "$(drive focus "$1")"
}

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
# rows field.
tab_to "$DIALOG" "field 1"
xdotool type --delay 60 "3"
xdotool key Tab
xdotool type --delay 60 "4"
check "typed" "3 4 120" "$(settle "3 4 120" spin_texts "$DIALOG")"
xdotool key alt+c
check "Alt+C closes" "0" "$(drive gone "$DIALOG" 5000; echo $?)"
# Outer size: columns x 20 + 100 wide, rows x 32 + 100 high.
check "3 x 4 grid applied" "180x196" "$(settle 180x196 main_size)"

# Tile 11 stands beside the gap: Space slides it in, the focus goes with it
# to the button that now shows it, and the next Space slides it back.
IN_ORDER=$(printf '3 4\n1 2 3 4\n5 6 7 8\n9 10 11 0')
SLID=$(printf '3 4\n1 2 3 4\n5 6 7 8\n9 10 0 11')
tab_to "$TITLE" "button 11"
for board in "$SLID" "$IN_ORDER"; do
  xdotool key space
  check "Space slides tile 11" "$board" "$(settle "$board" drive board "$TITLE")"
  check "the focus goes with tile 11" "button 11" "$(drive focus "$TITLE")"
  check "a screen reader finds tile 11 focused" 1 \
    "$(drive accessible "$TITLE" | grep -cxE '1\|(pushbutton|client)\|11\|[a-z,]*focused[a-z,]*\|Button')"
done

# A game on a 2 x 2 grid to its end, with the keyboard alone: Tab to the tile
# that the shortest way back to order moves next, Space; a shuffle that ends
# in order ends the game at the first Space on any tile.
menu_command o c
drive wait-window "$DIALOG" 10000 >/dev/null
tab_to "$DIALOG" "field 1"
xdotool type --delay 60 "2"
xdotool key Tab
xdotool type --delay 60 "2"
xdotool key alt+c
check "2 x 2 grid applied" "140x164" "$(settle 140x164 main_size)"
menu_command f n
check "new game" "Joués : 0" "$(wait_status "Joués : 0")"
for _ in $(seq 12); do  # no position of the 2 x 2 grid is more than 6 moves from order
  read -r tile _ < <(drive next-move "$TITLE")
  [ "${tile:-solved}" = solved ] && tile=1
  tab_to "$TITLE" "button $tile"
  xdotool key space
  drive wait-class "#32770" 1000 >/dev/null && break
done
read_msgbox
check_msgbox "Félicitations" "Vous avez réussi !" "OK" "none"
xdotool key Return
check "Enter closes the box" "0" "$(drive gone-class "#32770" 5000; echo $?)"

quit_from_menu
check_clean_exit
finish
