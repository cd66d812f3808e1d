#!/usr/bin/env bash
# The report's platform lines: the version Wine pretends to be (Windows 98
# with its 16-bit build number, XP, 7, and 10, which the manifest lets the
# program see as 10.0), and the locale lines in French.
source "$(dirname "$0")/debug_report_lib.sh"

# The version switch for this program's name only, removed at the end so the
# prefix is left as it was.
name="BrelixVersion$$.exe"
key="HKCU\\Software\\Wine\\AppDefaults\\$name"
cleanup() {
  "$WINE" reg delete "$key" /f >/dev/null 2>&1
  cleanup_copies
}
trap cleanup EXIT

program=$(copy_brelix "$name")
report="$(dirname "$program")/HHDebug.txt"
while read -r version expected; do
  "$WINE" reg add "$key" /v Version /d "$version" /f >/dev/null 2>&1
  run_copy "$program" /debug >/dev/null
  read_report "$report"
  check_match "$version" "^Operating System:      ${TAB}${expected}\$" "${REPORT[2]:-}"
done <<'VERSIONS'
win98 Windows 4\.10\.2222
winxp Windows NT 5\.1\.2600
win7 Windows NT 6\.1\.7601
win10 Windows NT 10\.0\.[0-9]+
VERSIONS
"$WINE" reg delete "$key" /f >/dev/null 2>&1

# A French locale, built for this run.
locales="$WORK/locales"
mkdir -p "$locales"
if localedef -i fr_FR -f UTF-8 "$locales/fr_FR.UTF-8" 2>/dev/null; then
  LOCPATH="$locales" LANG=fr_FR.UTF-8 run_copy "$program" /debug >/dev/null
  read_report "$report"
  check "French: identifier" "SysLocale.DefaultLCID: ${TAB}0x040C" "${REPORT[3]:-}"
  check "French: primary language" "SysLocale.PriLangID:   ${TAB}0x000C" "${REPORT[4]:-}"
  check "French: sublanguage" "SysLocale.SubLangID:   ${TAB}0x0001" "${REPORT[5]:-}"
  check "French: decimal separator" "DecimalSeparator:      ${TAB}," "${REPORT[6]:-}"
  check_match "French: date" "^Date:                 ${TAB}[0-9]{2}/[0-9]{2}/[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}\$" "${REPORT[1]:-}"
else
  echo "skipped: localedef cannot build fr_FR here"
fi
finish
