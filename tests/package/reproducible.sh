#!/usr/bin/env bash
# Two builds of the same sources give the same release: the shipped program
# is built a second time from nothing in build/win32-again, and its
# Brelix.exe, Brelix.chm, ZIP and installer must equal those of build/win32
# and build/dist (made by tools/package just before).
#   reproducible.sh
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../tools/lib/package.sh"
cd "$ROOT" || exit 1
again=build/win32-again
version=$(brelix_version)
rm -rf "$again"
if ! build win32 Brelix -- -B "$again"; then
  check "second build of the shipped program" ok failed
  finish
  exit
fi
same_file "Brelix.exe built twice" build/win32/bin/Brelix.exe "$again/bin/Brelix.exe"
same_file "Brelix.chm built twice" build/win32/bin/Brelix.chm "$again/bin/Brelix.chm"

stage="$ROOT/build/package/win32-again"
package_stage "$again/bin" "$version" "$stage"
package_zip "$stage" "$stage.zip"
package_installer "$stage" x86-unicode "$stage-setup.exe"
same_file "ZIP made twice" "build/dist/Brelix-$version-win32.zip" "$stage.zip"
same_file "installer made twice" "build/dist/Brelix-$version-setup.exe" "$stage-setup.exe"
finish
