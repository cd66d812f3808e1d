#!/usr/bin/env bash
# Libraries planted beside Brelix.exe and in the folder it is started from,
# under the names of libraries that it, Windows or the HTML Help engine load
# by name (the version reader, the engine and what the engine loads in its
# turn): none of them is ever loaded, the debug report is written and help
# opens with the system's own libraries. Each planted library leaves a file
# NAME.loaded beside itself if it is loaded.
source "$(dirname "$0")/debug_report_lib.sh"

PLANTED="$(dirname "$DRIVER")/brelix_planted_library.dll"
NAMES="version.dll hhctrl.ocx itss.dll shcore.dll uxtheme.dll msimg32.dll shlwapi.dll shell32.dll urlmon.dll
  wininet.dll ieframe.dll mpr.dll zlib1.dll ole32.dll oleaut32.dll imm32.dll dwmapi.dll"

program=$(copy_brelix)
dir=$(dirname "$program")
cp "$(dirname "$EXE")/Brelix.chm" "$dir/"
current="$dir/courant"
mkdir -p "$current"
for name in $NAMES; do cp "$PLANTED" "$dir/$name"; cp "$PLANTED" "$current/$name"; done

cd "$current" || exit 1
EXE=$program start_brelix /debug
wait_main_window
menu_command a r
{ read -r _; read -r help_title; } < <(drive wait-class "HH Parent" 15000)
check "help opens with the system's engine" "Aide de Brelix" "${help_title:-}"
give_keys "$TITLE"
quit_from_menu
check_clean_exit

check "debug report written" "yes" "$([ -f "$dir/HHDebug.txt" ] && echo yes || echo no)"
loaded=$(cd "$dir" && ls -- *.loaded courant/*.loaded 2>/dev/null | paste -sd' ')
check "planted libraries loaded" "" "$loaded"
finish
