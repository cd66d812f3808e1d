# Sourced first by every script of tools/: the repository's root as the
# working folder, and what the scripts share (Wine, builds, the version).
set -uo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$ROOT" || exit 1
JOBS=${JOBS:-$(nproc)}
LOGS="$ROOT/build/logs"
mkdir -p "$LOGS"
source "$ROOT/tools/lib/wine.sh"

# bootstrap GROUP...: installs what those groups of tools need (tools/bootstrap).
bootstrap() { "$ROOT/tools/bootstrap" "$@"; }

# build PRESET [TARGET...] [-- CONFIGURE_OPTION...]: configures and builds a
# CMake preset in build/PRESET (or where -B in the options says), quietly;
# on failure prints the errors and where the log is.
build() {
  local preset=$1 targets=() options=() dir log
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do targets+=(--target "$1"); shift; done
  [ $# -gt 0 ] && shift && options=("$@")
  dir="build/$preset"
  for ((i = 0; i < ${#options[@]}; i++)); do [ "${options[i]}" = -B ] && dir=${options[i + 1]}; done
  log="$LOGS/build-$(basename "$dir").log"
  if ! { cmake --preset "$preset" "${options[@]}" && cmake --build "$dir" -j "$JOBS" "${targets[@]}"; } >"$log" 2>&1; then
    grep -E 'error|Error|CMake Warning' "$log" | head -n 40 >&2
    echo "build: $preset failed; log in $log" >&2
    return 1
  fi
}

# brelix_version [dotted]: the program's version, project(VERSION) in
# CMakeLists.txt: "1.0", or with "dotted" the four numbers of the version
# resource, "1.0.0.0".
brelix_version() {
  local v
  v=$(sed -n 's/^project(Brelix VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
  if [ -n "${1:-}" ]; then
    IFS=. read -r major minor _ <<<"$v"
    v="$major.${minor:-0}.0.0"
  fi
  echo "$v"
}

