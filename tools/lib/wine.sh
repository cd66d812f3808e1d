# Shared by tools/run and tools/test: which Windows build this machine can run,
# and a throwaway Wine prefix for it inside the build tree.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The shipped program is i686. Some kernels here cannot execute 32-bit code at
# all (and so no 32-bit Wine); there the same sources are built for x86-64 and
# run under 64-bit Wine instead.
brelix_host_preset() {
  if [ -n "${BRELIX_PRESET:-}" ]; then echo "$BRELIX_PRESET"; return; fi
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32-test; else echo win64; fi
}

# wine_env PRESET: exports the Wine environment for that build.
wine_env() {
  local preset=$1
  # BRELIX_WINEPREFIX lets several runs on one machine keep apart.
  export WINEPREFIX="${BRELIX_WINEPREFIX:-$ROOT/build/$preset/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "$preset" != win64 ]; then
    export WINEARCH=win32 WINE=/usr/lib/wine/wine
  else
    export WINEARCH=win64 WINE=/usr/lib/wine/wine64
  fi
  export WINESERVER=/usr/lib/wine/wineserver
}

# wine_prefix PRESET: creates the prefix once (fonts, virtual desktop).
wine_prefix() {
  wine_env "$1"
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
