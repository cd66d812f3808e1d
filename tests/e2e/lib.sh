# Shared by the end-to-end scripts: arguments, Wine, the driver, checks.
#   script.e2e.sh PRESET BRELIX_EXE DRIVER_EXE ARTIFACT_DIR
set -uo pipefail
PRESET=$1 EXE=$2 DRIVER=$3 ARTIFACTS=$4
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/wine.sh"
wine_env "$PRESET"
mkdir -p "$ARTIFACTS"
# The main window's title, from the project's version (set by the build).
TITLE=${BRELIX_TITLE:?the build sets BRELIX_TITLE}
source "$(dirname "${BASH_SOURCE[0]}")/check.sh"

drive() { "$WINE" "$DRIVER" "$@" 2>/dev/null | tr -d '\r'; }

# Starts Brelix.exe in the background; its pid is in BRELIX_PID.
start_brelix() {
  "$WINE" "$EXE" "$@" &
  BRELIX_PID=$!
}

# Brings window TITLE to the front and gives its X window the X keyboard
# focus. Under Wine's virtual desktop a key reaches the thread of the X
# window that took it, and one that lands on the desktop window (where the
# focus reverts when a focused window closes) is dropped, whatever is in
# front. A window just shown may not take the focus yet: asked again.
give_keys() {  # give_keys TITLE
  local xid
  for _ in $(seq 50); do
    xid=$(drive activate "$1") && [ -n "$xid" ] && xdotool windowfocus --sync "$xid" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Waits for the main window, gives it the keyboard and puts its outer
# rectangle in MAIN_X MAIN_Y MAIN_W MAIN_H. From then on a watcher times the
# program's end from the moment its main window closes (check_clean_exit).
wait_main_window() {
  read -r MAIN_X MAIN_Y MAIN_W MAIN_H < <(drive wait-window "$TITLE" 15000)
  check "main window appears" "yes" "$([ -n "${MAIN_H:-}" ] && echo yes || echo no)"
  EXIT_TIME="$ARTIFACTS/exit-time.$$"
  rm -f "$EXIT_TIME"
  drive exit-time "$TITLE" 110000 >"$EXIT_TIME" &
  EXIT_WATCH=$!
  check "the keyboard reaches the program" "0" "$(give_keys "$TITLE"; echo $?)"
}

# A menu command of the main window through the menu's own keyboard
# interface: Alt+MENU opens the drop-down (a shown window of class #32768),
# ITEM picks from it.
menu_command() {  # menu_command MENU_LETTER ITEM_LETTER
  give_keys "$TITLE"
  xdotool key "alt+$1"
  check "menu $1 opens" "0" "$(drive wait-class "#32768" 3000 >/dev/null; echo $?)"
  xdotool key "$2"
}

# Fichier > Quitter.
quit_from_menu() { menu_command f q; }

# Waits for Brelix to end and checks that it ended with exit code 0, within
# a second of its main window closing.
check_clean_exit() {
  local rc=0 code after
  timeout 20 tail --pid="$BRELIX_PID" -f /dev/null || { rc=timeout; kill "$BRELIX_PID" 2>/dev/null; }
  wait "$BRELIX_PID" 2>/dev/null
  code=$?
  check "program ended" "0" "$rc"
  check "exit code" "0" "$code"
  if [ -n "${EXIT_WATCH:-}" ]; then
    timeout 10 tail --pid="$EXIT_WATCH" -f /dev/null
    read -r after _ <"$EXIT_TIME"
    check "ended ${after:-?} ms after its window closed" "yes" \
      "$([ "${after:-x}" -ge 0 ] 2>/dev/null && [ "$after" -lt 1000 ] && echo yes || echo no)"
    EXIT_WATCH=
  fi
}

# A real left click at screen coordinates.
click_at() { xdotool mousemove "$1" "$2" click 1; }

# A real click on the shown control of window TITLE that carries TEXT.
click_control() {  # click_control TITLE TEXT
  local x y
  read -r x y < <(drive control "$1" "$2")
  check "control '$2' found" "yes" "$([ -n "${y:-}" ] && echo yes || echo no)"
  [ -n "${y:-}" ] && click_at "$x" "$y"
}

# A real click on a shown tile of the main window.
click_tile() {  # click_tile CAPTION
  local x y
  read -r x y < <(drive tile "$TITLE" "$1")
  check "tile $1 shown" "yes" "$([ -n "${y:-}" ] && echo yes || echo no)"
  [ -n "${y:-}" ] && click_at "$x" "$y"
}

# Runs COMMAND until it prints EXPECTED (or 5 s pass) and prints what it
# printed last: a key or a click reaches the program a moment later.
settle() {  # settle EXPECTED COMMAND...
  local expected=$1 out
  shift
  for _ in $(seq 25); do
    out=$("$@")
    [ "$out" = "$expected" ] && break
    sleep 0.2
  done
  printf '%s\n' "$out"
}

# Status panel 0 once it reads TEXT, or what it reads after 5 s.
wait_status() { settle "$1" drive status "$TITLE"; }

# The texts of the window's spin fields, from the top, on one line.
spin_texts() { drive spins "$1" | cut -d' ' -f5- | paste -sd' '; }

# The main window's outer size, "WIDTHxHEIGHT".
main_size() { drive wait-window "$TITLE" 5000 | awk '{print $3 "x" $4}'; }

# Whole virtual display, kept with the test's artifacts as NAME.png.
screenshot() { import -window root "$ARTIFACTS/$1.png"; }

# Waits for a message box and reads it into MSGBOX: lines "caption=",
# "text=", "button=TEXT x y", "icon=".
read_msgbox() { MSGBOX=$(drive msgbox "${1:-10000}"); }
msgbox_value() { sed -n "s/^$1=//p" <<<"$MSGBOX"; }

# Checks the box read last: caption, text, its buttons' captions (joined
# with commas) and its icon.
check_msgbox() {  # check_msgbox CAPTION TEXT BUTTONS ICON
  check "box appears" "yes" "$([ -n "$MSGBOX" ] && echo yes || echo no)"
  check "box caption" "$1" "$(msgbox_value caption)"
  check "box text" "$2" "$(msgbox_value text)"
  check "box buttons" "$3" "$(msgbox_value button | sed -E 's/ -?[0-9]+ -?[0-9]+$//' | paste -sd,)"
  check "box icon" "$4" "$(msgbox_value icon)"
}

# Clicks the button TEXT of the box read last with the real mouse and waits
# for the box to go.
close_msgbox() {  # close_msgbox TEXT
  local x y
  read -r x y < <(msgbox_value button | sed -n "s/^$1 //p")
  [ -n "${y:-}" ] && click_at "$x" "$y"
  check "box closed by '$1'" "0" "$(drive gone-class "#32770" 5000; echo $?)"
}

finish() {
  if [ -n "${BRELIX_PID:-}" ] && kill -0 "$BRELIX_PID" 2>/dev/null; then kill "$BRELIX_PID"; fi
  if [ -n "${EXIT_WATCH:-}" ]; then kill "$EXIT_WATCH" 2>/dev/null; fi
  [ "$failures" -eq 0 ]
}
