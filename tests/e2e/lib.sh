# Shared by the end-to-end scripts: arguments, Wine, the driver, checks.
#   script.e2e.sh PRESET BRELIX_EXE DRIVER_EXE ARTIFACT_DIR
set -uo pipefail
PRESET=$1 EXE=$2 DRIVER=$3 ARTIFACTS=$4
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/wine.sh"
wine_env "$PRESET"
mkdir -p "$ARTIFACTS"
TITLE="Brelix 1.0"
failures=0

drive() { "$WINE" "$DRIVER" "$@" 2>/dev/null | tr -d '\r'; }

check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}

# Starts Brelix.exe in the background; its pid is in BRELIX_PID.
start_brelix() {
  "$WINE" "$EXE" "$@" &
  BRELIX_PID=$!
}

# Fichier > Quitter through the menu's own keyboard interface.
quit_from_menu() {
  xdotool key alt+f
  sleep 0.5
  xdotool key q
}

# Waits for Brelix to end and checks that it ended with exit code 0.
check_clean_exit() {
  local rc=0 code
  timeout 20 tail --pid="$BRELIX_PID" -f /dev/null || rc=timeout
  wait "$BRELIX_PID" 2>/dev/null
  code=$?
  check "program ended" "0" "$rc"
  check "exit code" "0" "$code"
}

finish() {
  if [ -n "${BRELIX_PID:-}" ] && kill -0 "$BRELIX_PID" 2>/dev/null; then kill "$BRELIX_PID"; fi
  [ "$failures" -eq 0 ]
}
