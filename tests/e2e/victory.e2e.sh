#!/usr/bin/env bash
# A whole game on a 2 x 2 grid with the real mouse and keyboard: configure the
# grid in the dialog, shuffle, solve from the tiles read back from outside,
# meet the real « Félicitations » box, close it, and play on without a
# second box.
source "$(dirname "$0")/lib.sh"

start_brelix
wait_main_window

# Outils > Configurer la grille: the rows field has the focus, its text selected.
menu_command o c
drive wait-window "Configuration" 10000 >/dev/null
xdotool type --delay 60 "2"
xdotool key Tab
xdotool type --delay 60 "2"
xdotool key Tab
xdotool type --delay 60 "10"
check "fields typed" "2 2 10" "$(settle "2 2 10" spin_texts "Configuration")"
click_control "Configuration" "&Configurer"
check "dialog closes" "0" "$(drive gone "Configuration" 5000; echo $?)"
check "2 x 2 window" "140x164" "$(settle 140x164 main_size)"

menu_command f n
check "new game" "Joués : 0" "$(wait_status "Joués : 0")"
screenshot victory-shuffled-2x2
moves=0
for _ in $(seq 12); do  # no position of the 2 x 2 grid is more than 6 moves from order
  read -r tile x y < <(drive next-move "$TITLE")
  [ "${tile:-}" = solved ] || [ -z "${y:-}" ] && break
  click_at "$x" "$y"
  moves=$((moves + 1))
  check "tile $tile moves" "Joués : $moves" "$(wait_status "Joués : $moves")"
done
check "tiles back in order" "$(printf '2 2\n1 2\n3 0')" "$(drive board "$TITLE")"
# A shuffle may end in order: then a click on a tile that cannot move
# finishes the game at once.
[ "$moves" -eq 0 ] && click_tile 1

read_msgbox
check_msgbox "Félicitations" "Vous avez réussi !" "OK" "none"
check "final count shown with the box" "Joués : $moves" "$(drive status "$TITLE")"
screenshot victory-congratulation-box
close_msgbox OK

# Play on: moves still count, and putting the tiles back in order again is
# not congratulated.
click_tile 3
check "a move after the box counts" "Joués : $((moves + 1))" "$(wait_status "Joués : $((moves + 1))")"
click_tile 3
check "and the next" "Joués : $((moves + 2))" "$(wait_status "Joués : $((moves + 2))")"
check "in order again" "$(printf '2 2\n1 2\n3 0')" "$(drive board "$TITLE")"
check "no second box" "1" "$(drive msgbox 1500 >/dev/null; echo $?)"

quit_from_menu
check_clean_exit
finish
