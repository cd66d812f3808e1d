#!/usr/bin/env bash
# The program on screens of 96, 120, 144 and 192 DPI: a prefix of its own
# whose LogPixels is set before each run. Every window's client area and
# every control's bounds are the 96-DPI ones scaled by DPI / 96, within the
# pixel that rounding may cost; the menu stays on one line. A picture of each
# window at each density is kept with the artifacts.
source "$(dirname "$0")/lib.sh"
DPIS="96 120 144 192"
WINDOWS="main5 config main10 about"

# ----------------------------------------------- one density, in its display
if [ -n "${DPI_SCENE:-}" ]; then
  DPI=$DPI_SCENE
  board_shape() { drive board "$TITLE" | head -n 1; }
  snapshot() {  # snapshot TITLE NAME: the window's layout and its picture
    local x y w h
    read -r x y w h < <(drive wait-window "$1" 10000)
    sleep 0.5  # painted
    drive children "$1" >"$ARTIFACTS/dpi-$DPI-$2.txt"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$ARTIFACTS/dpi-$DPI-$2.png"
  }
  start_brelix
  wait_main_window
  snapshot "$TITLE" main5
  menu_command o c
  snapshot Configuration config
  xdotool type --delay 60 10
  xdotool key Tab
  xdotool type --delay 60 10
  xdotool key alt+c
  check "10 x 10 applied" "10 10" "$(settle "10 10" board_shape)"
  snapshot "$TITLE" main10
  menu_command a p
  snapshot "A propos de..." about
  xdotool key Return
  check "About box closes" "0" "$(drive gone "A propos de..." 5000; echo $?)"
  quit_from_menu
  check_clean_exit
  finish
  exit
fi

# ------------------------------------------------ all densities, compared
PREFIX="$(dirname "$WINEPREFIX")/wine-dpi-$PRESET"
# A screen that holds the 10 x 10 board at 192 DPI.
export BRELIX_SCREEN=1600x1200x24
for dpi in $DPIS; do
  # The density is read as Wine starts: set it with one server, run with the next.
  reg="$ARTIFACTS/dpi-$dpi.reg"
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1600x1200"' '' \
    '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$(printf %08x "$dpi")" '' \
    '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]' \
    "\"LogPixels\"=dword:$(printf %08x "$dpi")" >"$reg"
  env -u BRELIX_IN_DISPLAY BRELIX_WINEPREFIX="$PREFIX" "$ROOT/tools/lib/wine-display" "$PRESET" bash -c '
    "$WINE" regedit /S "$1" && "$WINE" reg query "HKCU\Control Panel\Desktop" /v LogPixels | grep -qi "0x$2"
  ' _ "$(windows_path "$reg")" "$(printf %x "$dpi")"
  check "LogPixels set to $dpi" "0" "$?"
  env -u BRELIX_IN_DISPLAY BRELIX_WINEPREFIX="$PREFIX" DPI_SCENE="$dpi" "$ROOT/tools/lib/wine-display" "$PRESET" \
    bash "$0" "$PRESET" "$EXE" "$DRIVER" "$ARTIFACTS"
  check "the windows at $dpi DPI" "0" "$?"
done

# Each layout against the 96-DPI one, line by line. Labels size themselves
# to their text in the font of the density: only the edge they are aligned by
# is compared. Tiles are laid out by the board's formula on the scaled board
# area: their sizes are compared.
compare_layout() {  # compare_layout DPI WINDOW: prints each difference
  awk -v dpi="$1" '
    function s(v) { return v >= 0 ? int((v * dpi + 48) / 96) : -int((-v * dpi + 48) / 96) }
    function near(got, at96) { return got - s(at96) <= 1 && s(at96) - got <= 1 }
    function fail(what) { print FILENAME ":" FNR ": " what ": " $0 " (at 96: " base[FNR] ")"; failures++ }
    FNR == NR { base[FNR] = $0; lines = FNR; next }
    {
      split(base[FNR], b, " ")
      if (FNR == 1) {
        if (!near($2, b[2]) || !near($3, b[3])) fail("client area")
        if ($5 != b[5] || $5 == "wrapped") fail("menu")
        next
      }
      if ($1 != b[1]) { fail("another window"); next }
      if ($1 == "Static") {
        right = (index("0123456789abcdef", substr($2, length($2))) - 1) % 4 == 2
        if (!near($4, b[4]) || !near(right ? $3 + $5 : $3, right ? b[3] + b[5] : b[3])) fail("label placing")
      } else if ($1 == "Button" && $7 ~ /^[0-9]+$/) {
        if (!near($5, b[5]) || !near($6, b[6])) fail("tile size")
      } else if (!near($3, b[3]) || !near($4, b[4]) || !near($5, b[5]) || !near($6, b[6])) {
        fail("bounds")
      }
    }
    END { if (FNR != lines) { print FILENAME ": " FNR " lines, " lines " at 96"; failures++ } exit failures > 0 }
  ' "$ARTIFACTS/dpi-96-$2.txt" "$ARTIFACTS/dpi-$1-$2.txt"
}

for dpi in $DPIS; do
  [ "$dpi" = 96 ] && continue
  for window in $WINDOWS; do
    differences=$(compare_layout "$dpi" "$window" 2>&1)
    check "$window at $dpi DPI is the 96-DPI one scaled" "" "$differences"
  done
done
finish
