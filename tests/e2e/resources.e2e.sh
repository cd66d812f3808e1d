#!/usr/bin/env bash
# What Windows shows of Brelix.exe as a file, read back from the file itself:
# its icon has 16, 32 and 48 pixel images at 4 bits (the picture's nine
# colours, exactly), each one that Windows can make an icon of; its French version block names the product,
# describes it, gives the maker's notice and the version of the build.
source "$(dirname "$0")/lib.sh"

version=${TITLE#Brelix }
resources=$(drive resources "$(windows_path "$EXE")")
printf '%s\n' "$resources" >"$ARTIFACTS/resources.txt"

for size in 16 32 48; do
  check "icon ${size}x${size} at 4 bits" yes \
    "$(grep -qx "icon ${size}x${size} 4 ok" <<<"$resources" && echo yes || echo no)"
done
check "three icon images, no other" 3 "$(grep -c '^icon ' <<<"$resources")"

value() { sed -n "s/^version $1=//p" <<<"$resources"; }
check "product" "Brelix" "$(value ProductName)"
check "description" "Brelix, jeu de taquin" "$(value FileDescription)"
check "company: the maker's notice" "© Brelix" "$(value CompanyName)"
check "copyright: the maker's notice" "© Brelix" "$(value LegalCopyright)"
check "product version" "$version" "$(value ProductVersion)"
check "file version" "$version.0.0" "$(value FileVersion)"
check "numeric file version" "$version.0.0" "$(sed -n 's/^version fixed //p' <<<"$resources")"
finish
