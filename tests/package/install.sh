#!/usr/bin/env bash
# The installer and the ZIP under Wine, as a player uses them: a silent
# install puts the files, the Start-menu shortcuts and the entry of
# « Ajout/Suppression de programmes » in place; the shortcuts open the game
# and its help; the silent uninstall leaves nothing of the program behind;
# the game unpacked from the ZIP runs from its folder. Run inside a virtual
# display with a Wine server (tools/lib/wine-display), like the end-to-end
# tests.
#   install.sh PRESET SETUP ZIP STAGE DRIVER ARTIFACT_DIR
# STAGE holds the files the packages were made from; BRELIX_TITLE is the main
# window's title.
setup=$2 zip=$3 stage=$4
source "$(dirname "$0")/../e2e/lib.sh" "$1" "" "$5" "$6"
source "$(dirname "$0")/../../tools/lib/package.sh"
# Shortcuts made in the prefix stay out of the desktop's own menus.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brelix'

# A value of the program's key, through an export: reg query prints through
# the console code page, which has no « © ».
reg_value() {
  local file
  file=$(mktemp --suffix=.reg)
  "$WINE" reg export "$KEY" "$(windows_path "$file")" /y >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$file" 2>/dev/null | tr -d '\r' |
    sed -n "s/^\"$1\"=//p" | sed -e 's/^"\(.*\)"$/\1/' -e 's/^dword:0*\([0-9a-f]\)/0x\1/' -e 's/\\\(.\)/\1/g'
  rm -f "$file"
}
key_exists() { "$WINE" reg query "$KEY" >/dev/null 2>&1 && echo yes || echo no; }
unix_path() { "$WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
exists() { [ -e "$1" ] && echo yes || echo no; }

menu_windows="$("$WINE" cmd /c echo %ProgramData% 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Brelix"
menu=$(unix_path "$menu_windows")
# What a failed earlier run may have left goes first.
if [ "$(key_exists)" = yes ]; then
  rm -rf "$(unix_path "$(reg_value InstallLocation)")"
  "$WINE" reg delete "$KEY" /f >/dev/null 2>&1
fi
rm -rf "$menu"

check "silent install" 0 "$(timeout 120 "$WINE" "$(windows_path "$setup")" /S >/dev/null 2>&1; echo $?)"
folder_windows=$(reg_value InstallLocation)
folder=$(unix_path "$folder_windows")
check "program folder in the uninstall entry" yes "$([ -n "$folder" ] && [ -d "$folder" ] && echo yes || echo no)"
for file in Brelix.exe Brelix.chm LISEZMOI.txt; do
  check "$file installed as packaged" same "$(cmp -s "$stage/$file" "$folder/$file" && echo same || echo different)"
done
check "uninstaller installed" yes "$(exists "$folder/uninstall.exe")"

check "Start-menu shortcuts" "Aide de Brelix.lnk,Brelix.lnk" "$(cd "$menu" 2>/dev/null && LC_ALL=C ls | paste -sd,)"

version=${TITLE#Brelix }
publisher=$(package_publisher "$stage/Brelix.exe" 2>/dev/null)
check "entry: DisplayName" "Brelix" "$(reg_value DisplayName)"
check "entry: DisplayVersion" "$version" "$(reg_value DisplayVersion)"
check "entry: Publisher is the program's CompanyName" "$publisher" "$(reg_value Publisher)"
check "entry: DisplayIcon" "$folder_windows\\Brelix.exe,0" "$(reg_value DisplayIcon)"
check "entry: UninstallString" "\"$folder_windows\\uninstall.exe\"" "$(reg_value UninstallString)"
check "entry: QuietUninstallString" "\"$folder_windows\\uninstall.exe\" /S" "$(reg_value QuietUninstallString)"
check "entry: NoModify" "0x1" "$(reg_value NoModify)"
check "entry: NoRepair" "0x1" "$(reg_value NoRepair)"
kb=$(( $(cat "$folder"/* 2>/dev/null | wc -c) / 1024 ))
size=$(( $(reg_value EstimatedSize) ))
check "entry: EstimatedSize ${size} KB for ${kb} KB of files" yes \
  "$([ "$size" -ge $((kb - 1)) ] && [ "$size" -le $((kb + 1)) ] && echo yes || echo no)"

# The shortcuts open the help and the game, which find each other.
"$WINE" start /unix "$menu/Aide de Brelix.lnk" >/dev/null 2>&1
{ read -r _; read -r help_title; } < <(drive wait-class "HH Parent" 10000)
check "help shortcut opens the help" "Aide de Brelix" "${help_title:-}"
sleep 1.5  # let the contents tree draw
screenshot package-help
drive close "Aide de Brelix"
check "help closes" 0 "$(drive gone "Aide de Brelix" 5000; echo $?)"
"$WINE" start /unix "$menu/Brelix.lnk" >/dev/null 2>&1
check "game shortcut starts the game" yes "$([ -n "$(drive wait-window "$TITLE" 15000)" ] && echo yes || echo no)"
screenshot package-game
drive close "$TITLE"
check "game closes" 0 "$(drive gone "$TITLE" 5000; echo $?)"

# The uninstaller copies itself to the temporary folder, starts the copy and
# ends at once: what it removes goes a moment later.
check "silent uninstall" 0 "$(timeout 60 "$WINE" "$folder_windows\\uninstall.exe" /S >/dev/null 2>&1; echo $?)"
for _ in $(seq 100); do
  [ ! -e "$folder" ] && [ ! -e "$menu" ] && [ "$(key_exists)" = no ] && break
  sleep 0.3
done
check "uninstall removes the program folder" no "$(exists "$folder")"
check "uninstall removes the Start-menu folder" no "$(exists "$menu")"
check "uninstall removes the uninstall entry" no "$(key_exists)"

# The ZIP, unpacked to a folder, runs from there.
unpacked="$ARTIFACTS/package-zip/Brelix"
rm -rf "$unpacked"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
cd "$unpacked" || exit 1
EXE="$unpacked/Brelix.exe" start_brelix
check "game unpacked from the ZIP starts" yes "$([ -n "$(drive wait-window "$TITLE" 15000)" ] && echo yes || echo no)"
drive close "$TITLE"
check_clean_exit
cd / && rm -rf "$ARTIFACTS/package-zip"
finish
