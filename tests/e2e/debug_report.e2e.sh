#!/usr/bin/env bash
# The debug report seen from outside: which starts write it, its 22 lines as
# they land on disk, and the next ordinary start removing it.
source "$(dirname "$0")/debug_report_lib.sh"

program=$(copy_brelix)
dir=$(dirname "$program")
report="$dir/HHDebug.txt"

check "exit code" 0 "$(run_copy "$program" /DEBUG "deux mots")"
read_report "$report"
check "report with /DEBUG, CR LF line ends" ok "$REPORT_ENDS"
check_report_shape "$(windows_path "$dir")\\HHDebug.txt"
check_report_paths "$(windows_path "$program")" "/DEBUG | deux mots"
check "no test file left" no "$([ -e "$dir/\$_Temp_\$.\$\$\$" ] && echo yes || echo no)"

run_copy "$program" >/dev/null
check "an ordinary start removes the report" no "$([ -e "$report" ] && echo yes || echo no)"

run_copy "$program" x -Debug >/dev/null
read_report "$report"
check "report with -Debug" ok "$REPORT_ENDS"
check "-Debug: parameters" "Cmdline Param(s) =  ${TAB}x | -Debug" "${REPORT[9]:-}"
for off in --debug /debug:1 debug; do
  run_copy "$program" "$off" >/dev/null
  check "no report with $off" no "$([ -e "$report" ] && echo yes || echo no)"
done

touch "$dir/debug.debug"
run_copy "$program" --debug >/dev/null
read_report "$report"
check "report with the marker file" ok "$REPORT_ENDS"
check "22 lines with the marker file" 22 "${#REPORT[@]}"
finish
