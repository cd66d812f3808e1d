#!/usr/bin/env bash
# What the player sees: the configuration dialog's arrow pairs stay drawn on
# the screen through every step of an edit (open, type, Tab, Shift+Tab, an
# arrow click, a clamp when a field is left), and screenshots of the main
# window, of the dialog at every step and of the About box.
source "$(dirname "$0")/lib.sh"

DIALOG="Configuration"
ALL_ARROWS="ok ok,ok ok,ok ok"

arrows() { drive arrows "$DIALOG" "$EXE" | paste -sd,; }

# Checks on the screen's pixels that all three fields show both arrows.
check_arrows() {  # check_arrows STEP
  check "arrows after $1" "$ALL_ARROWS" "$(settle "$ALL_ARROWS" arrows)"
  screenshot "look-config-$1"
}

start_brelix
wait_main_window
screenshot look-main-window

menu_command o c
drive wait-window "$DIALOG" 10000 >/dev/null
check "fields on opening" "5 5 250" "$(spin_texts "$DIALOG")"
check "arrow pairs are 15 x 17" "15x17,15x17,15x17" "$(drive spins "$DIALOG" | awk '{print $3 "x" $4}' | paste -sd,)"
check_arrows open

xdotool type --delay 60 "3"
check "digit typed" "3 5 250" "$(settle "3 5 250" spin_texts "$DIALOG")"
check_arrows typed

xdotool key Tab
check "Tab" "field 2" "$(settle "field 2" drive focus "$DIALOG")"
check_arrows tab

xdotool key shift+Tab
check "Shift+Tab" "field 1" "$(settle "field 1" drive focus "$DIALOG")"
check_arrows shift-tab

# A real click on the columns field's upper arrow: it steps, takes the focus
# and the moves follow (3 x 6 x 10).
read -r px py _ _ < <(drive spins "$DIALOG" | sed -n 2p)
click_at $((px + 7)) $((py + 3))
check "arrow click steps" "3 6 180" "$(settle "3 6 180" spin_texts "$DIALOG")"
check "the arrow's field takes the focus" "field 2" "$(settle "field 2" drive focus "$DIALOG")"
check_arrows arrow-click

# Past the maximum, then leave: the field clamps to 10, the moves follow.
xdotool type --delay 60 "25"
xdotool key Tab
check "clamped on leaving" "3 10 300" "$(settle "3 10 300" spin_texts "$DIALOG")"
check_arrows clamp

click_control "$DIALOG" "&Fermer"
check "dialog closes" "0" "$(drive gone "$DIALOG" 5000; echo $?)"

menu_command a p
drive wait-window "A propos de..." 10000 >/dev/null
sleep 0.3
screenshot look-about-box
click_control "A propos de..." "OK"
check "About box closes" "0" "$(drive gone "A propos de..." 5000; echo $?)"

quit_from_menu
check_clean_exit
finish
