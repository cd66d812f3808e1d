#!/usr/bin/env bash
# The release files hold exactly the files of the build they were made from,
# byte for byte: the ZIP (unpacked with unzip) and the installer (unpacked
# with 7-Zip, which reads NSIS installers).
#   contents.sh ZIP SETUP BIN STAGE
# BIN is the build's bin folder, STAGE the folder the packages were made from
# (with LISEZMOI.txt).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../tools/lib/package.sh"
zip=$1 setup=$2 bin=$3 stage=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check "ZIP lists exactly the three files" "Brelix.chm Brelix.exe LISEZMOI.txt" \
  "$(unzip -Z1 "$zip" | LC_ALL=C sort | paste -sd' ')"
unzip -q "$zip" -d "$work/zip"
for file in Brelix.exe Brelix.chm; do same_file "ZIP: $file as built" "$bin/$file" "$work/zip/$file"; done
same_file "ZIP: LISEZMOI.txt" "$stage/LISEZMOI.txt" "$work/zip/LISEZMOI.txt"

7z x -y -o"$work/setup" "$setup" >/dev/null
check "installer unpacks" yes "$([ -d "$work/setup" ] && echo yes || echo no)"
for file in Brelix.exe Brelix.chm; do same_file "installer: $file as built" "$bin/$file" "$work/setup/$file"; done
same_file "installer: LISEZMOI.txt" "$stage/LISEZMOI.txt" "$work/setup/LISEZMOI.txt"
check "installer writes an uninstaller" yes "$(7z l "$setup" | grep -q ' uninstall\.exe$' && echo yes || echo no)"

check "LISEZMOI.txt: UTF-8 with a byte-order mark" "efbbbf" "$(head -c 3 "$stage/LISEZMOI.txt" | od -An -tx1 | tr -d ' \n')"
check "LISEZMOI.txt: every line ends in CRLF" 0 "$(grep -c $'[^\r]$' "$stage/LISEZMOI.txt")"
check "LISEZMOI.txt: names the version" "0 yes" \
  "$(grep -c '@VERSION@' "$stage/LISEZMOI.txt") $(grep -q "Brelix $(brelix_version) : " "$stage/LISEZMOI.txt" && echo yes || echo no)"
check "LISEZMOI.txt: says how to unblock the help file" yes \
  "$(grep -q 'Débloquer' "$stage/LISEZMOI.txt" && echo yes || echo no)"
finish
