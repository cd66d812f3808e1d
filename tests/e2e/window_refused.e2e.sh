#!/usr/bin/env bash
# Windows refuses to create the main window, then (in a second run) one tile
# at start-up, as it does when it runs out of window handles or memory: a
# hook set on Brelix's thread from outside refuses that one window. The
# player gets a French error box; after « OK » the program ends within a
# second with a non-zero exit code, and it never spins the processor meanwhile.
# A tile refused later, when « Résoudre la grille » builds the board anew,
# gets the same box, and the game goes on until the player quits.
source "$(dirname "$0")/lib.sh"

HOOK=$(windows_path "$(dirname "$DRIVER")/brelix_window_refusal_hook.dll")
MESSAGE="Windows n'a pas pu créer une fenêtre de Brelix. Fermez d'autres programmes puis réessayez."
RESULT="$ARTIFACTS/window-refused.txt"

for what in main tile; do
  rm -f "$RESULT"
  BRELIX_REFUSE_WINDOW=$what drive hooked "$EXE" "$HOOK" 30000 >"$RESULT" &
  launcher=$!
  read_msgbox 15000
  check_msgbox "$TITLE" "$MESSAGE" "OK" "error"
  check "$what: no main window shown" "0" "$(drive gone-class BrelixWindow 0; echo $?)"
  [ "$what" = tile ] && screenshot window-refused-box
  sleep 1  # the box waits for the player: the program must sit idle
  close_msgbox OK
  closed=$(date +%s%N)
  wait "$launcher"
  check "$what: ended within 1 s of « OK »" "yes" "$([ $(($(date +%s%N) - closed)) -lt 1000000000 ] && echo yes || echo no)"
  read -r _ code _ cpu _ elapsed <"$RESULT"
  check "$what: exit code" "1" "${code:-none}"
  # Well under the time the box stood on the screen: no busy loop.
  check "$what: processor time ${cpu:-?} ms of ${elapsed:-?} ms" "yes" \
    "$([ -n "${elapsed:-}" ] && [ "$((cpu * 2))" -lt "$elapsed" ] && echo yes || echo no)"
done

rm -f "$RESULT"
BRELIX_REFUSE_WINDOW=tile-again drive hooked "$EXE" "$HOOK" 60000 >"$RESULT" &
launcher=$!
wait_main_window
menu_command o r
read_msgbox
check_msgbox "$TITLE" "$MESSAGE" "OK" "error"
close_msgbox OK
check "the game goes on" "0" "$(drive wait-window "$TITLE" 1000 >/dev/null; echo $?)"
quit_from_menu
BRELIX_PID=$launcher check_clean_exit  # the launcher's end, and the program's within 1 s of its window
read -r _ code _ <"$RESULT"
check "tile-again: exit code" "0" "${code:-none}"
finish
