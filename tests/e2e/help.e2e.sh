#!/usr/bin/env bash
# "Aide > Rubriques de l'aide..." with Wine's own HTML Help engine: the help
# window opens on Brelix.chm from the program's folder, though Brelix runs
# from another current directory, and Fichier > Quitter closes it.
source "$(dirname "$0")/lib.sh"

HELP_CLASS="HH Parent"
cd "$ARTIFACTS" || exit 1  # not the program's folder
start_brelix
wait_main_window
check "no help window yet" "0" "$(drive gone-class "$HELP_CLASS" 0; echo $?)"

menu_command a r
{ read -r hx hy hw hh; read -r help_title; } < <(drive wait-class "$HELP_CLASS" 15000)
check "help window opens" "yes" "$([ -n "${hw:-}" ] && [ "${hw:-0}" -gt 0 ] && echo yes || echo no)"
# The title is the one compiled into our help file: the viewer found it.
check "help window shows Brelix.chm" "Aide de Brelix" "${help_title:-}"
sleep 1.5  # let the contents tree draw
screenshot help-viewer
check "the game is still running" "yes" "$(kill -0 "$BRELIX_PID" 2>/dev/null && echo yes || echo no)"

# Fichier > Quitter, with the game's window brought back to the front.
give_keys "$TITLE"
quit_from_menu
check "help window closed" "0" "$(drive gone-class "$HELP_CLASS" 10000; echo $?)"
check_clean_exit
finish
