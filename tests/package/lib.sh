# Shared by the package tests: one "ok:" or "FAILED:" line per check, which
# tools/test counts.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/check.sh"

# same_file WHAT EXPECTED_FILE FILE: the two files exist and are equal.
same_file() {
  local result=same
  if [ ! -f "$3" ]; then result=missing; elif ! cmp -s "$2" "$3"; then result=different; fi
  check "$1" same "$result"
}

finish() { [ "$failures" -eq 0 ]; }
