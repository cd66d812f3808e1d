# One "ok:" or "FAILED:" line per check; failures counts the failed ones.
# Shared by the end-to-end and the package tests.
failures=0

check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}
