#!/usr/bin/env bash
# 5,000 random events of real input, checked after each (tools/soak runs
# more); a failure prints its seed and the shortest list that repeats it.
source "$(dirname "$0")/lib.sh"
SOAK="$(dirname "$DRIVER")/brelix_soak.exe"
/usr/bin/python3 "$(dirname "$0")/soak/x_input.py" "$WINE" "$SOAK" "$(windows_path "$(realpath "$EXE")")" "$TITLE" \
  "${BRELIX_SOAK_EVENTS:-5000}" ${BRELIX_SOAK_SEED:-} --shrink-minutes 3
