# The release archives, made from a build folder. The same files give the
# same archive, byte for byte: every entry has the same fixed time and mode
# whenever and wherever it is packed, in a fixed order, with no extra fields.
# Needs common.sh (QVZ_ROOT) and the packages zip and iconv (libc-bin).

QVZ_VERSION=1.00

# The time every entry carries: SOURCE_DATE_EPOCH when set, else the time of
# the commit the files come from, else the oldest time a zip entry can hold.
qvz_source_epoch() {
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
  else
    git -C "$QVZ_ROOT" log -1 --format=%ct 2>/dev/null || echo 315532800
  fi
}

# A text kept in the repository as UTF-8 with LF line ends, made into what
# Windows' Notepad shows right: Windows-1252 with CRLF line ends. Fails on a
# character that Windows-1252 has no byte for.
qvz_windows_text() {
  local from=$1 to=$2
  iconv -f UTF-8 -t WINDOWS-1252 "$from" | sed 's/$/\r/' >"$to"
}

# qvz_zip ZIP FOLDER NAME...: the named files of FOLDER, in the order given,
# into ZIP (replaced). Programs (.exe) get mode 755, everything else 644.
qvz_zip() {
  local zip=$1 folder=$2 name epoch
  shift 2
  epoch=$(qvz_source_epoch)
  for name in "$@"; do
    case $name in
      *.exe) chmod 0755 "$folder/$name" ;;
      *) chmod 0644 "$folder/$name" ;;
    esac
    touch -d "@$epoch" "$folder/$name"
  done
  rm -f "$zip"
  # Zip entries hold local time: the same in every time zone only as UTC.
  # -X leaves out the extra fields (Unix times, owner), -D folder entries.
  (cd "$folder" && TZ=UTC zip -X -D -q -9 "$zip" "$@")
}

# qvz_package_win64 BUILD DIST: dist/qvz-VERSION-win64.zip from the programs
# in the build folder BUILD; prints the archive's path. To add a file: copy
# it into the stage and add its name to the list (the order of the archive).
qvz_package_win64() {
  local build=$1 dist=$2 stage zip
  zip=$(realpath -m "$dist/qvz-$QVZ_VERSION-win64.zip")
  stage=$(realpath -m "$dist/stage-win64")
  rm -rf "$stage"
  mkdir -p "$stage"
  cp "$build/src/app/qvz.exe" "$stage/qvz.exe"
  cp "$build/tools/compare/qvz-compare.exe" "$stage/qvz-compare.exe"
  qvz_windows_text "$QVZ_ROOT/package/README.TXT" "$stage/README.TXT"
  qvz_zip "$zip" "$stage" qvz.exe qvz-compare.exe README.TXT
  rm -rf "$stage"
  echo "$zip"
}
