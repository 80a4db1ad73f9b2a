#!/usr/bin/env bash
# The packaging step of scripts/release, run on the programs already built
# in BUILD (nothing is built again): the archive's listing, its fixed times
# and the absence of extra fields, the same bytes from a second packing of
# files with other times, README.TXT as a Windows text, and the version
# resource of the packed qvz.exe.
#
#   package_test.sh BUILD
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$QVZ_ROOT/scripts/lib/package.sh"

# The archive's times come from the commit here, as in a plain release run.
unset SOURCE_DATE_EPOCH
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

zip=$(qvz_package_win64 "$build" "$work/dist") || { echo "FAILED: packaging"; exit 1; }
check "the archive is named after the version" test "$zip" = "$work/dist/qvz-1.00-win64.zip"
check "nothing but the archive is left in the output folder" test "$(ls -A "$work/dist")" = "qvz-1.00-win64.zip"
check "the archive holds qvz.exe, qvz-compare.exe and README.TXT, in this order" \
  test "$(unzip -Z1 "$zip" | tr '\n' ' ')" = "qvz.exe qvz-compare.exe README.TXT "

# Another packing of the same programs, with other file times: same bytes.
mkdir -p "$work/again/src/app" "$work/again/tools/compare"
cp "$build/src/app/qvz.exe" "$work/again/src/app/qvz.exe"
cp "$build/tools/compare/qvz-compare.exe" "$work/again/tools/compare/qvz-compare.exe"
touch -d '2001-02-03 04:05:06' "$work/again/src/app/qvz.exe" "$work/again/tools/compare/qvz-compare.exe"
zip2=$(TZ=Asia/Tokyo qvz_package_win64 "$work/again" "$work/dist2")
check "a second packing gives the same bytes" cmp -s "$zip" "$zip2"
epoch=$(git -C "$QVZ_ROOT" log -1 --format=%ct)
# Zip times count in steps of 2 seconds, rounded up.
stamp=$(LC_ALL=C TZ=UTC date -d "@$(((epoch + 1) / 2 * 2))" '+%Y %b %-d %H:%M:%S')
check "every entry carries the commit's time" \
  test "$(zipinfo -v "$zip" | grep -c "file last modified on (DOS date/time): *$stamp")" = 3
check "no entry has an extra field" test "$(zipinfo -v "$zip" | grep -c 'length of extra field: *0 bytes')" = 3

mkdir "$work/unpacked"
(cd "$work/unpacked" && unzip -q "$zip")
check "qvz.exe is the built program" cmp -s "$work/unpacked/qvz.exe" "$build/src/app/qvz.exe"
check "qvz-compare.exe is the built program" \
  cmp -s "$work/unpacked/qvz-compare.exe" "$build/tools/compare/qvz-compare.exe"

readme=$work/unpacked/README.TXT
check "README.TXT ends with a line end" test "$(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ')" = 0d0a
check "every line of README.TXT ends with CR LF" test "$(grep -c $'[^\r]$\|^$' "$readme")" = 0
check "README.TXT holds no UTF-8 sequence" test "$(LC_ALL=C grep -c $'\xC3[\x80-\xBF]' "$readme")" = 0
check "README.TXT writes a with grave accent as the one byte E0" \
  test "$(LC_ALL=C grep -c $'gi\xE0 esiste' "$readme")" = 1
check "README.TXT says what its source says" \
  cmp -s <(iconv -f WINDOWS-1252 -t UTF-8 "$readme" | tr -d '\r') "$QVZ_ROOT/package/README.TXT"

# The version resource: its texts (UTF-16) and its fixed part, whose file and
# product versions are both 1.0.0.0 (0x00010000, 0).
x86_64-w64-mingw32-objcopy -O binary --only-section=.rsrc "$work/unpacked/qvz.exe" "$work/rsrc.bin"
texts=$(strings -el -n 3 "$work/rsrc.bin" | tr '\n' '|')
for pair in "ProductName|QVZ" "ProductVersion|1.00" "FileVersion|1.00" \
            "FileDescription|QVZ - ricezione di dischi via seriale"; do
  check "the version resource holds $pair" grep -qF "|$pair|" <<<"|$texts"
done
fixed=$(od -An -tx1 -v "$work/rsrc.bin" | tr -d ' \n' | grep -o 'bd04effe.\{40\}')
check "the version resource's numbers are 1.0.0.0" \
  test "$fixed" = "$(echo bd04effe 00000100 00000100 00000000 00000100 00000000 | tr -d ' ')"

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
