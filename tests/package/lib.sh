# Shared by the package tests: one "ok:" or "FAILED:" line per check, which
# tools/test counts.
set -uo pipefail
failures=0

check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}

# same_file WHAT EXPECTED_FILE FILE: the two files exist and are equal.
same_file() {
  local result=same
  if [ ! -f "$3" ]; then result=missing; elif ! cmp -s "$2" "$3"; then result=different; fi
  check "$1" same "$result"
}

finish() { [ "$failures" -eq 0 ]; }
