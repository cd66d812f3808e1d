# Shared by the debug report scripts: each run starts its own copy of the
# program in a folder of its own, so no two runs see each other's report.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Every copy lives under one folder, removed when the script ends.
WORK=$(mktemp -d /tmp/brelix-report.XXXXXX)
cleanup_copies() {
  chattr -R -i "$WORK" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup_copies EXIT

# copy_brelix [NAME]: a fresh folder with the program in it as NAME
# (Brelix.exe by default); prints the program's path.
copy_brelix() {
  local dir
  dir=$(mktemp -d "$WORK/run.XXXXXX")
  cp "$EXE" "$dir/${1:-Brelix.exe}"
  echo "$dir/${1:-Brelix.exe}"
}

# run_copy PROGRAM ARGS...: starts it, waits for its window, closes it with
# the close box and waits for its end; prints the exit code. The report is
# complete once the window shows: it is written before any window exists.
run_copy() {
  local program=$1
  shift
  "$WINE" "$program" "$@" &
  local pid=$!
  if drive wait-window "$TITLE" 15000 >/dev/null; then drive close "$TITLE"; fi
  timeout 20 tail --pid="$pid" -f /dev/null || kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo $?
}

# read_report FILE: the report's lines without their CR LF into REPORT[], and
# REPORT_ENDS: "ok" when every line ends with CR LF and nothing follows the
# last, "missing" when there is no such file.
read_report() {
  REPORT=()
  if [ ! -f "$1" ]; then
    REPORT_ENDS=missing
    return
  fi
  mapfile -t REPORT < <(sed 's/\r$//' "$1")
  local total crlf
  total=$(wc -l <"$1")
  crlf=$(grep -c $'\r$' "$1")
  if [ "$total" = "$crlf" ] && [ "$(tail -c 2 "$1" | od -An -tx1 | tr -d ' ')" = "0d0a" ]; then
    REPORT_ENDS=ok
  else
    REPORT_ENDS="bare line ends"
  fi
}

# check_match WHAT REGEX ACTUAL
check_match() {
  if [[ "$3" =~ $2 ]]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: '$3' does not match '$2'"
    failures=$((failures + 1))
  fi
}

RULE_DASH=$(printf '%.0s-' $(seq 79))
RULE_EQUAL=$(printf '%.0s=' $(seq 79))
TAB=$'\t'

# check_report_shape: the report's lines that never vary, and the form of
# those that do, in REPORT[] (see report_lines); its own path is $1 in
# Windows form.
check_report_shape() {
  check "22 lines" 22 "${#REPORT[@]}"
  check "line 1" "Filename:             $TAB$1" "${REPORT[0]:-}"
  check_match "line 2" "^Date:                 $TAB[^ ]*[0-9][^ ]* [0-9][^ ]*[0-9]( [^ ]+)?\$" "${REPORT[1]:-}"
  check_match "line 3" "^Operating System:      ${TAB}Windows( NT)? [0-9]+\\.[0-9]+\\.[0-9]+\$" "${REPORT[2]:-}"
  check_match "line 4" "^SysLocale\\.DefaultLCID: ${TAB}0x[0-9A-F]{4,}\$" "${REPORT[3]:-}"
  check_match "line 5" "^SysLocale\\.PriLangID:   ${TAB}0x[0-9A-F]{4,}\$" "${REPORT[4]:-}"
  check_match "line 6" "^SysLocale\\.SubLangID:   ${TAB}0x[0-9A-F]{4,}\$" "${REPORT[5]:-}"
  check_match "line 7" "^DecimalSeparator:      ${TAB}[^[:space:][:digit:]]\$" "${REPORT[6]:-}"
  check "line 8" "$RULE_DASH" "${REPORT[7]:-}"
  check "line 14" "$RULE_DASH" "${REPORT[13]:-}"
  # Wine registers its own engine and carries a browser component.
  check "line 15" "_hhInstalled =      ${TAB}YES" "${REPORT[14]:-}"
  check_match "line 16" "^_hhVerStr =         ${TAB}([0-9]+\\.){3}[0-9]+\$" "${REPORT[15]:-}"
  check_match "line 17" "^_hhFriendlyVerStr = ${TAB}[<>]? ?1\\.[0-9]+[ab]?\$" "${REPORT[16]:-}"
  check "line 18" "$RULE_DASH" "${REPORT[17]:-}"
  check "line 19" "_ieInstalled =      ${TAB}YES" "${REPORT[18]:-}"
  check_match "line 20" "^_ieVerStr =         ${TAB}([0-9]+\\.){3}[0-9]+\$" "${REPORT[19]:-}"
  check_match "line 21" "^_ieFriendlyVerStr = ${TAB}.*Internet Explorer" "${REPORT[20]:-}"
  check "line 22" "$RULE_EQUAL" "${REPORT[21]:-}"
}

# check_report_paths PROGRAM_WINDOWS_PATH PARAMETERS: lines 9 to 13.
check_report_paths() {
  local program=$1 dir=${1%\\*}
  check "line 9" "EXE Path =          $TAB$program" "${REPORT[8]:-}"
  check "line 10" "Cmdline Param(s) =  $TAB$2" "${REPORT[9]:-}"
  check "line 11" "_RunDir =           $TAB$dir" "${REPORT[10]:-}"
  check "line 12" "_ModuleName =       $TAB${program##*\\}" "${REPORT[11]:-}"
  check "line 13" "_ModuleDir =        $TAB$dir" "${REPORT[12]:-}"
}

# The Unix path of a path on Wine's drive C.
drive_c_path() {
  local rest=${1#[Cc]:}
  printf '%s/drive_c%s' "$WINEPREFIX" "${rest//\\//}"
}
