#!/usr/bin/env bash
# 5,000 random events of real input, checked after each (tools/soak runs
# more); a failure prints its seed and the shortest list that repeats it.
source "$(dirname "$0")/lib.sh"
SOAK="$(dirname "$DRIVER")/brelix_soak.exe"
"$WINE" "$SOAK" "$(windows_path "$(realpath "$EXE")")" "$TITLE" "${BRELIX_SOAK_EVENTS:-5000}" --shrink-minutes 5 |
  tr -d '\r'
exit "${PIPESTATUS[0]}"
