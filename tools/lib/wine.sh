# Shared by tools/run and tools/test: which Windows build this machine tests,
# and a throwaway Wine prefix for each architecture inside the build tree.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The architecture the Windows tests run on. The machines this project is
# built on run only 64-bit code as a rule, so the x86-64 builds (the shipped
# program's twin and the unit tests) are what runs by default.
# BRELIX_TEST_ARCH=win32 runs the i686 builds instead, where 32-bit Wine runs.
brelix_test_arch() { echo "${BRELIX_TEST_ARCH:-win64}"; }

# Whether this machine runs 32-bit Windows programs (32-bit Wine).
can_run_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# wine_env ARCH: exports the Wine environment for win32 or win64 programs (a
# preset's name stands for its architecture).
wine_env() {
  local arch
  case "$1" in
    win32*) arch=win32 ;;
    win64*) arch=win64 ;;
    *) echo "wine_env: unknown architecture '$1'" >&2; return 1 ;;
  esac
  # BRELIX_WINEPREFIX lets several runs on one machine keep apart.
  export WINEPREFIX="${BRELIX_WINEPREFIX:-$ROOT/build/wine-$arch}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "$arch" = win32 ]; then
    export WINEARCH=win32 WINE=/usr/lib/wine/wine
  else
    export WINEARCH=win64 WINE=/usr/lib/wine/wine64
  fi
  export WINESERVER=/usr/lib/wine/wineserver
}

# wine_prefix ARCH: creates the prefix once (fonts, virtual desktop).
wine_prefix() {
  wine_env "$1" || return 1
  [ -f "$WINEPREFIX/.brelix-ready" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  # Debian's Wine does not find its own fonts; without them "MS Sans Serif"
  # is substituted and the metrics change.
  cp -f /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # A virtual desktop: frames are drawn and windows open fast.
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$WINEPREFIX/.brelix-ready"
}
