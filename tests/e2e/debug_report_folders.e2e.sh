#!/usr/bin/env bash
# Where the report goes: a program folder that cannot be written sends it to
# the temporary folder, a path too long for the old 300-character buffer is
# still read whole, and a program at the root of drive C reports "C:".
source "$(dirname "$0")/debug_report_lib.sh"

temp_windows=$("$WINE" cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
temp_report="$(drive_c_path "$temp_windows")/HHDebug.txt"
ROOT_FILES=()
cleanup() {
  cleanup_copies
  rm -f "$temp_report" "${ROOT_FILES[@]}"
}
trap cleanup EXIT

# An immutable copy of the program's folder: not even root can create a file
# there (the tests run as root, which ignores permissions).
program=$(copy_brelix)
dir=$(dirname "$program")
if chattr +i "$dir" 2>/dev/null; then
  rm -f "$temp_report"
  check "exit code, folder not writable" 0 "$(run_copy "$program" /debug immuable)"
  check "no report in the program's folder" no "$([ -e "$dir/HHDebug.txt" ] && echo yes || echo no)"
  check "no test file in the program's folder" no "$([ -e "$dir/\$_Temp_\$.\$\$\$" ] && echo yes || echo no)"
  read_report "$temp_report"
  check "report in the temporary folder" ok "$REPORT_ENDS"
  check_report_shape "$temp_windows\\HHDebug.txt"
  check_report_paths "$(windows_path "$program")" "/debug | immuable"
  run_copy "$program" >/dev/null
  check "an ordinary start removes the temporary report" no "$([ -e "$temp_report" ] && echo yes || echo no)"
  chattr -i "$dir"
else
  echo "skipped: no immutable folders on this file system"
fi

# A folder path of more than 300 characters. ANSI file calls stop at 260, so
# its report goes to the temporary folder too, but it names the right folder.
program=$(copy_brelix)
deep=$(dirname "$program")
for i in $(seq 1 12); do deep="$deep/dossier-assez-long-numero-$i"; done
mkdir -p "$deep"
mv "$program" "$deep/Brelix.exe"
rm -f "$temp_report"
check "exit code, long path" 0 "$(run_copy "$deep/Brelix.exe" /debug)"
read_report "$temp_report"
check "report of the long path" ok "$REPORT_ENDS"
check "long path beyond 300 characters" yes "$([ ${#deep} -gt 300 ] && echo yes || echo no)"
check_report_paths "$(windows_path "$deep/Brelix.exe")" "/debug"
rm -f "$temp_report"

# The root of drive C.
name="BrelixRacine$$.exe"
ROOT_FILES=("$WINEPREFIX/drive_c/$name" "$WINEPREFIX/drive_c/HHDebug.txt")
cp "$EXE" "$WINEPREFIX/drive_c/$name"
check "exit code, root of C" 0 "$(run_copy "C:\\$name" /debug)"
read_report "$WINEPREFIX/drive_c/HHDebug.txt"
check "report at C:\\HHDebug.txt" ok "$REPORT_ENDS"
check "root: line 1" "Filename:             ${TAB}C:\\HHDebug.txt" "${REPORT[0]:-}"
check_report_paths "C:\\$name" "/debug"
check "no test file at the root" no "$([ -e "$WINEPREFIX/drive_c/\$_Temp_\$.\$\$\$" ] && echo yes || echo no)"
finish
