#!/usr/bin/env bash
# Brelix in awkward program folders: one that cannot be written, one whose
# path is longer than MAX_PATH, one named in Greek and Japanese (outside the
# ANSI code page), one without Brelix.chm, and the long one without it. In
# each the game starts in debug mode, plays, its help command shows the help
# (without the file, it is the engine's to say so; the game plays on), the
# report goes where it can be written, and the program ends at once when its
# window closes.
source "$(dirname "$0")/debug_report_lib.sh"

temp_windows=$("$WINE" cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
temp_report="$(drive_c_path "$temp_windows")/HHDebug.txt"
trap 'cleanup_copies; rm -f "$temp_report"' EXIT

# try_folder NAME PROGRAM REPORT [no-help-file]: one run of PROGRAM; REPORT is
# where its debug report must be.
try_folder() {
  local name=$1 program=$2 report=$3 help_title
  rm -f "$temp_report"
  cd "$ARTIFACTS" || return
  EXE=$program start_brelix /debug
  wait_main_window
  click_tile 24
  check "$name: a tile click counts" "Joués : 1" "$(wait_status "Joués : 1")"
  menu_command a r
  if [ "${4:-}" = no-help-file ]; then
    # The engine's to say the file is missing, never the program's box for a
    # folder it could not hand over.
    read_msgbox 1500
    check "$name: no box of the program's own" "" "$(msgbox_value caption | grep -Fx "$TITLE")"
    give_keys "$TITLE"
    click_tile 24
    check "$name: play goes on after the help command" "Joués : 2" "$(wait_status "Joués : 2")"
  else
    { read -r _; read -r help_title; } < <(drive wait-class "HH Parent" 8000)
    check "$name: help opens" "Aide de Brelix" "${help_title:-}"
  fi
  screenshot "folder-$name"
  give_keys "$TITLE"
  drive close "$TITLE"
  check_clean_exit
  read_report "$report"
  check "$name: debug report" ok "$REPORT_ENDS"
}

program=$(copy_brelix)
dir=$(dirname "$program")
cp "$(dirname "$EXE")/Brelix.chm" "$dir/"
if chattr +i "$dir" 2>/dev/null; then
  try_folder read-only "$program" "$temp_report"
  chattr -i "$dir"
else
  echo "skipped: no immutable folders on this file system"
fi

deep=$(dirname "$(copy_brelix)")
for i in $(seq 1 12); do deep="$deep/dossier-assez-long-numero-$i"; done
mkdir -p "$deep"
cp "$EXE" "$(dirname "$EXE")/Brelix.chm" "$deep/"
try_folder long "$deep/Brelix.exe" "$temp_report"
rm "$deep/Brelix.chm"
try_folder long-no-chm "$deep/Brelix.exe" "$temp_report" no-help-file

foreign="$(dirname "$(copy_brelix)")/Παζλ-パズル"
mkdir -p "$foreign"
cp "$EXE" "$(dirname "$EXE")/Brelix.chm" "$foreign/"
try_folder foreign "$foreign/Brelix.exe" "$temp_report"

program=$(copy_brelix)
try_folder no-chm "$program" "$(dirname "$program")/HHDebug.txt" no-help-file
finish
