#!/usr/bin/env bash
# « Aide > Rubriques de l'aide... » on a system without the HTML Help engine:
# the engine's registration is taken out of the prefix for this run (and put
# back afterwards, whatever happens); the player gets a French box, and the
# game goes on after « OK ».
source "$(dirname "$0")/lib.sh"

HELP_KEY='HKCR\CLSID\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\InprocServer32'
SAVED="$ARTIFACTS/help-engine-registration.reg"
MESSAGE="L'aide ne peut pas être affichée : le moteur d'aide HTML de Windows (HTML Help) n'est pas installé sur cet ordinateur."

registration() { "$WINE" reg query "$HELP_KEY" /ve 2>/dev/null | tr -d '\r' | grep 'REG_' | grep -v '(value not set)'; }

restore() {
  [ -n "${BRELIX_PID:-}" ] && kill "$BRELIX_PID" 2>/dev/null
  [ -f "$SAVED" ] && "$WINE" reg import "$(windows_path "$SAVED")" >/dev/null 2>&1
  rm -f "$SAVED"
}
# A run killed outright leaves its saved copy behind: put it back first.
restore
before=$(registration)
"$WINE" reg export "$HELP_KEY" "$(windows_path "$SAVED")" /y >/dev/null 2>&1
trap restore EXIT
trap 'exit 1' INT TERM
check "engine registered before the test" "yes" "$([ -n "$before" ] && [ -f "$SAVED" ] && echo yes || echo no)"
"$WINE" reg delete "$HELP_KEY" /ve /f >/dev/null 2>&1
check "registration removed" "" "$(registration)"

start_brelix
wait_main_window
menu_command a r
read_msgbox
check_msgbox "$TITLE" "$MESSAGE" "OK" "information"
screenshot help-missing-box
close_msgbox OK

check "the game still runs" "yes" "$(kill -0 "$BRELIX_PID" 2>/dev/null && echo yes || echo no)"
click_tile 24
check "a tile click counts" "Joués : 1" "$(wait_status "Joués : 1")"
quit_from_menu
check_clean_exit

restore
check "registration restored" "$before" "$(registration)"
finish
