# Shared by tools/package and tools/test: the release files made from the
# bin folder of a program build (build/PRESET/bin). The same build gives the
# same ZIP: its files carry one fixed time and mode, in a fixed order.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# package_epoch: the time given to the packaged files, in seconds since 1970:
# SOURCE_DATE_EPOCH when set, else the time of the last commit.
package_epoch() {
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
  elif ! git -C "$ROOT" log -1 --format=%ct 2>/dev/null; then
    echo "package: no commit to take the files' time from: set SOURCE_DATE_EPOCH" >&2
    return 1
  fi
}

# package_publisher EXE: the CompanyName of the program's version resource.
package_publisher() {
  7z e -so "$1" '.rsrc/*/version.txt' 2>/dev/null | iconv -f UTF-16 -t UTF-8 |
    sed -n 's/^ *VALUE "CompanyName", *"\(.*\)"\r\?$/\1/p'
}

# package_stage BIN VERSION STAGE: the files that ship, in the folder STAGE
# (made anew): Brelix.exe and Brelix.chm from BIN, and LISEZMOI.txt in UTF-8
# with a byte-order mark and CRLF line ends, which every Notepad since
# Windows XP reads right.
package_stage() {
  local bin=$1 version=$2 stage=$3 epoch
  epoch=$(package_epoch) || return 1
  rm -rf "$stage"
  mkdir -p "$stage"
  cp "$bin/Brelix.exe" "$bin/Brelix.chm" "$stage/" || return 1
  { printf '\357\273\277'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$ROOT/packaging/LISEZMOI.txt"; } \
    >"$stage/LISEZMOI.txt" || return 1
  chmod 644 "$stage"/*
  touch -d "@$epoch" "$stage"/*
}

# package_zip STAGE ZIP: the staged files at the root of a new ZIP, in name
# order, with their times in UTC and no extra Unix fields.
package_zip() {
  local stage=$1 zip=$2 files
  rm -f "$zip"
  mapfile -t files < <(cd "$stage" && LC_ALL=C ls)
  (cd "$stage" && TZ=UTC zip -X -q -9 "$zip" "${files[@]}")
}

# package_installer STAGE NSIS_TARGET OUTFILE: the installer of the staged
# files (x86-unicode for the i686 program, amd64-unicode for its x86-64 twin).
package_installer() {
  local stage=$1 target=$2 out=$3 publisher
  publisher=$(package_publisher "$stage/Brelix.exe")
  [ -n "$publisher" ] || { echo "package: no CompanyName in $stage/Brelix.exe" >&2; return 1; }
  rm -f "$out"
  printf '!define PUBLISHER "%s"\n' "$publisher" >"$stage.publisher.nsh"
  makensis -V2 -INPUTCHARSET UTF8 \
    "-DTARGET=$target" \
    "-DVERSION=$(brelix_version)" \
    "-DVERSION_DOTTED=$(brelix_version dotted)" \
    "-DPUBLISHER_FILE=$stage.publisher.nsh" \
    "-DFILES=$stage" \
    "-DICON=$ROOT/resources/Brelix.ico" \
    "-DOUTFILE=$out" \
    "$ROOT/packaging/Brelix.nsi" >/dev/null
}
