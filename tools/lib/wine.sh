# Wine for the scripts and the tests: which Windows programs this machine
# runs, the environment and the throwaway prefix of each architecture inside
# the build tree.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Whether the kernel runs i386 code: some of our machines do not (no IA-32
# emulation), and 32-bit Wine is then of no use. A 93-byte static i386
# program that only exits is run.
kernel_runs_i386() {
  local probe="${TMPDIR:-/tmp}/brelix-i386-probe.$$" rc
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe" &&
    chmod +x "$probe" && "$probe" 2>/dev/null
  rc=$?
  rm -f "$probe"
  return $rc
}

# Whether this machine runs 32-bit Windows programs: the kernel runs i386
# code and 32-bit Wine is installed and starts.
can_run_32bit() { kernel_runs_i386 && /usr/lib/wine/wine --version >/dev/null 2>&1; }

# The architecture that runs the program as it ships: win32 where 32-bit
# Windows programs run here, else win64, its x86-64 twin built from the same
# sources with the same options. BRELIX_ARCH=win32|win64 chooses; a 32-bit
# Wine that is missing or does not run is never an error, only a fallback.
program_arch() {
  [ "${BRELIX_ARCH:-}" = win64 ] && { echo win64; return; }
  if can_run_32bit && wine_runs win32; then
    echo win32
  else
    [ "${BRELIX_ARCH:-}" = win32 ] && echo "32-bit Windows programs do not run here: the x86-64 twin stands in" >&2
    echo win64
  fi
}

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

# wine_prefix ARCH: creates the prefix once (fonts, virtual desktop, no
# debugger on a crash); false when Wine cannot make it.
wine_prefix() {
  wine_env "$1" || return 1
  # The mark names what the prefix holds: a prefix made before a change of
  # its settings is made anew.
  local ready="$WINEPREFIX/.brelix-ready-2"
  [ -f "$ready" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  [ -d "$WINEPREFIX/drive_c/windows" ] || { echo "wine: no prefix made in $WINEPREFIX" >&2; return 1; }
  # Debian's Wine does not find its own fonts; without them "MS Sans Serif"
  # is substituted and the metrics change.
  cp -f /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # A virtual desktop: frames are drawn and windows open fast.
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
  # A program that crashes ends at once, with the exception's code, instead of
  # waiting in Wine's debugger dialog until the lane's time-out: an empty
  # debugger command cannot start, and Windows then ends the process.
  local key='Microsoft\Windows NT\CurrentVersion\AeDebug'
  "$WINE" reg add "HKLM\Software\\$key" /v Debugger /d '' /f >/dev/null 2>&1
  [ "$WINEARCH" = win32 ] || "$WINE" reg add "HKLM\Software\Wow6432Node\\$key" /v Debugger /d '' /f >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$ready"
}

# wine_runs ARCH: whether the Wine of ARCH makes its prefix and runs a
# program of its own in it (its command interpreter): a Wine that does not is
# broken, and the x86-64 twin stands in for the shipped program.
wine_runs() {
  wine_prefix "$1" && [ "$(timeout 120 "$WINE" cmd /c echo ok 2>/dev/null | tr -d '\r')" = ok ]
}

# windows_path FILE: the Windows form of a path under the Unix root (drive Z:).
windows_path() { local p; p=$(realpath -m "$1"); printf 'Z:%s' "${p//\//\\}"; }
