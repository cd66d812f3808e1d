#!/usr/bin/env bash
# What a screen reader reads, through Active Accessibility from another
# process: every tile is named by its number and the empty slot is
# invisible; the move count is read from the status bar; in the
# configuration dialog each spin field is named by its label, its arrow pair
# and the buttons have French names; the About box's texts can be read.
source "$(dirname "$0")/lib.sh"

ABOUT="A propos de..."
DIALOG="Configuration"

# line DEPTH ROLES NAME STATES CLASS: one line of the tree, ROLES a regular
# expression because platforms differ (a push button, or a plain client area).
has_line() { grep -qxE "$1" <<<"$2" && echo yes || echo no; }
count_lines() { grep -cxE "$1" <<<"$2"; }
BUTTON_ROLE="(pushbutton|client)"
EDIT_ROLE="(text|client)"

start_brelix
wait_main_window

tree=$(drive accessible "$TITLE")
printf '%s\n' "$tree" >"$ARTIFACTS/accessible-main.txt"
check "main window named by its title" yes "$(has_line "0\|client\|$TITLE\|[a-z,]*\|BrelixWindow" "$tree")"
check "the move count is read" yes "$(has_line "1\|(statusbar|client)\|Joués : 0\|[a-z,]*\|msctls_statusbar32" "$tree")"
visible=0
for n in $(seq 1 24); do
  [ "$(has_line "1\|$BUTTON_ROLE\|$n\|focusable(,focused)?\|Button" "$tree")" = yes ] && visible=$((visible + 1))
done
check "24 tiles named 1 to 24, shown" 24 "$visible"
check "the empty slot is invisible" 1 "$(count_lines "1\|$BUTTON_ROLE\|25\|[a-z,]*invisible[a-z,]*\|Button" "$tree")"

menu_command o c
drive wait-window "$DIALOG" 10000 >/dev/null
tree=$(drive accessible "$DIALOG")
printf '%s\n' "$tree" >"$ARTIFACTS/accessible-config.txt"
for label in "Nbre rangées :" "Nbre colonnes :" "Nbre coups :"; do
  check "spin field named « $label »" yes "$(has_line "[0-9]+\|$EDIT_ROLE\|$label\|[a-z,]*\|Edit" "$tree")"
done
check "each arrow pair named" 3 "$(count_lines "[0-9]+\|(spinbutton|client)\|Augmenter ou diminuer\|[a-z,]*\|BrelixWindow" "$tree")"
for button in Configurer Fermer; do
  check "button « $button »" yes "$(has_line "[0-9]+\|$BUTTON_ROLE\|&?$button\|[a-z,]*\|Button" "$tree")"
done
check "the group is named" yes "$(has_line "[0-9]+\|(grouping|client)\|Grille : \|[a-z,]*\|Button" "$tree")"
give_keys "$DIALOG"
xdotool key alt+f
check "dialog closes" 0 "$(drive gone "$DIALOG" 5000; echo $?)"

menu_command a p
drive wait-window "$ABOUT" 10000 >/dev/null
tree=$(drive accessible "$ABOUT")
printf '%s\n' "$tree" >"$ARTIFACTS/accessible-about.txt"
for text in "Brelix" "Version 1\.0 - Win9x - WinXP" "© Brelix" "Mémoire physique totale : [0-9 ,.  ]+ Ko" \
  "Ressources système +: [0-9]+% libre\."; do
  check "About text « $text »" yes "$(has_line "1\|(statictext|client)\|$text\|[a-z,]*\|Static" "$tree")"
done
check "About button OK" yes "$(has_line "1\|$BUTTON_ROLE\|OK\|[a-z,]*\|Button" "$tree")"
xdotool key Return
check "About box closes" 0 "$(drive gone "$ABOUT" 5000; echo $?)"

quit_from_menu
check_clean_exit
finish
