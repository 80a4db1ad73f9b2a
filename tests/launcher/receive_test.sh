#!/usr/bin/env bash
# scripts/receive run as a user runs it, on the test run's display. A pty
# pair stands in for the USB serial adapter, folders stand in for
# /dev/serial/by-id and for sysfs (the adapter's latency timer: there is no
# USB adapter here), and the simulated remote machine, in the test run's own
# Wine prefix with COM2 on the pair's other end, sends a disk. The launcher
# makes its prefix under the build folder, once for the whole run; every
# run of it gets a user's environment of its own, with a Russian locale,
# whose code page is not the program's 1252.
#
#   receive_test.sh SOURCE_DIR BUILD_DIR   (under scripts/test, which
#                                            starts the display and the test prefix)
set -uo pipefail
root=$1
QVZ_BUILD=$2
source "$root/scripts/lib/common.sh"
: "${QVZ_TTY:?run under scripts/test: it starts the display and the test prefix}" "${DISPLAY:?}" "${WINEPREFIX:?}"

work=$QVZ_BUILD/launcher-test
# Where the launcher puts its prefix by default, XDG_DATA_HOME being $work/data.
launcher_prefix=$work/data/qvz/wineprefix
remote=$QVZ_BUILD/tools/remote/qvz-remote.exe
answer=$QVZ_BUILD/tools/answer/qvz-answer.exe
readonly TRACKS=4  # one side, a few tracks: one real disk, quickly
readonly BY_ID_NAME=usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0

failures=0
check() {
  local what=$1; shift
  if "$@"; then echo "ok    $what"; else echo "FAIL  $what"; failures=$((failures + 1)); return 1; fi
}
says() { grep -qE -- "$2" "$1"; }
says_not() { ! grep -qE -- "$2" "$1"; }

# Waits until the process has ended (a zombie whose parent has gone counts).
wait_gone() {
  local state
  while state=$(awk '/^State/ {print $2}' "/proc/$1/status" 2>/dev/null) && [ -n "$state" ] && [ "$state" != Z ]; do
    sleep 0.05
  done
}

# The launcher's Wine server, stopped by its process id: ends the prefix's
# programs, writes the registry to disk and forgets the keys held.
stop_launcher_server() {
  local pid
  pid=$(WINEPREFIX=$launcher_prefix && qvz_wine_server_pid)
  [ -n "$pid" ] || return 0
  kill "$pid" 2>/dev/null
  wait_gone "$pid"
}

pair_pid=
new_pty_pair() {
  if [ -n "$pair_pid" ]; then kill "$pair_pid" 2>/dev/null; wait_gone "$pair_pid"; fi
  qvz_start_pty_pair
  pair_pid=${QVZ_PIDS[-1]}
}

launcher_pid=
cleanup() {
  [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null
  stop_launcher_server
  local pid
  for pid in "${QVZ_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  [ -n "${unprivileged:-}" ] && rm -rf "$unprivileged"
}
trap cleanup EXIT

stop_launcher_server
rm -rf "$work"
mkdir -p "$work/home" "$work/locale" "$work/empty-by-id" "$work/no-sysfs"
localedef -i ru_RU -f UTF-8 "$work/locale/ru_RU.UTF-8" >/dev/null 2>&1 ||
  { echo "FAIL  making a ru_RU.UTF-8 locale (Debian package locales)"; exit 1; }

# Runs the launcher as a user does, with only a user's environment; LOG gets
# what it says. Extra NAME=VALUE words before the arguments change the
# environment. A launcher that does not end in time is stopped (status 124):
# the runs that end by themselves take a second.
receive() {
  local log=$1; shift
  local vars=(PATH="$PATH" HOME="$work/home" XDG_DATA_HOME="$work/data" DISPLAY="$DISPLAY"
              LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 LOCPATH="$work/locale"
              QVZ_BUILD="$QVZ_BUILD" QVZ_BY_ID="$work/empty-by-id" QVZ_SYSFS="$work/no-sysfs")
  while [[ ${1:-} == *=* && ${1:-} != -* ]]; do vars+=("$1"); shift; done
  timeout "${RECEIVE_TIMEOUT:-60}" env -i "${vars[@]}" bash "$root/scripts/receive" "$@" >"$log" 2>&1
}

# Starts the launcher in the background and waits for the main window.
start_receiving() {
  local log=$1; shift
  RECEIVE_TIMEOUT=600 receive "$log" "$@" &
  launcher_pid=$!
  local i
  for i in $(seq 1200); do
    xdotool search --onlyvisible --name '^QVZ 1\.00 ' >/dev/null 2>&1 && return 0
    kill -0 "$launcher_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "no main window; the launcher said:"; cat "$log"
  return 1
}

# ESC, as a user presses it in the window; STATUS gets the launcher's exit status.
end_receiving() {
  local wid i
  wid=$(xdotool search --onlyvisible --name '^QVZ 1\.00 ' | head -n1)
  xdotool windowfocus --sync "$wid" keydown Escape
  for i in $(seq 300); do kill -0 "$launcher_pid" 2>/dev/null || break; sleep 0.1; done
  xdotool keyup Escape
  kill "$launcher_pid" 2>/dev/null && echo "the launcher did not end at ESC"
  wait "$launcher_pid"
  status=$?
  launcher_pid=
  stop_launcher_server
}

echo "== the checks that end with 2, before anything is installed, built or made"
new_pty_pair
mkdir -p "$work/folder" "$work/two-by-id" "$work/bad-port"
ln -s "$QVZ_TTY/com1" "$work/adapter"
ln -s "$QVZ_TTY/com1" "$work/two-by-id/$BY_ID_NAME"
ln -s "$QVZ_TTY/com2" "$work/two-by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0"
touch "$work/plain-file"
printf '[Impostazioni]\r\nPorta=LPT1\r\n' >"$work/bad-port/QVZ.INI"
# what | environment and arguments | what it must say
cases=(
  "an unknown option|--baud 9600 $work/folder|usage: scripts/receive"
  "two folders|$work/folder $work/folder|usage: scripts/receive"
  "a folder that does not exist|--device $work/adapter $work/no-folder|no folder $work/no-folder"
  "a device path that does not exist|--device $work/no-adapter $work/folder|no device $work/no-adapter"
  "a path that is no device|--device $work/plain-file $work/folder|not a serial device"
  "no adapter in by-id|$work/folder|No USB serial adapter is listed in $work/empty-by-id"
  "no by-id folder at all|QVZ_BY_ID=$work/no-by-id $work/folder|No USB serial adapter is listed in $work/no-by-id"
  "two adapters in by-id|QVZ_BY_ID=$work/two-by-id $work/folder|2 USB serial adapters are listed"
  "a port in QVZ.INI that is no COM port|--device $work/adapter $work/bad-port|names the port \"LPT1\""
  "no display|DISPLAY= --device $work/adapter $work/folder|needs a desktop"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r what words expected <<<"$entry"
  # shellcheck disable=SC2086 # the words are split on purpose; no path here holds a blank
  receive "$work/check.log" $words
  status=$?
  check "$what: status 2" [ "$status" -eq 2 ]
  check "$what: says \"$expected\"" says "$work/check.log" "$expected"
  check "$what: installs, builds and makes nothing" says_not "$work/check.log" '^== '
  [ "$status" -eq 2 ] && says "$work/check.log" "$expected" || cat "$work/check.log"
done
receive "$work/check.log" QVZ_BY_ID="$work/two-by-id" "$work/folder"
pts1=$(readlink -f "$QVZ_TTY/com1") pts2=$(readlink -f "$QVZ_TTY/com2")
check "two adapters: both listed with their devices" \
  says "$work/check.log" "$BY_ID_NAME -> $pts1"
check "two adapters: the second listed with its device" \
  says "$work/check.log" "usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0 -> $pts2"
check "two adapters: the line that says to pass --device" says "$work/check.log" 'with --device PATH'

# A device the user cannot open: root runs the launcher as nobody, from a
# copy of the scripts that nobody can read (the clone may sit where only
# root may enter), on the adapter's end made root:dialout 0660 as a USB
# adapter's device is. Anyone else cannot take another user's identity:
# the device is then the user's own pty end with every right taken away.
if [ "$(id -u)" -eq 0 ]; then
  unprivileged=$(mktemp -d)
  cp -r "$root/scripts" "$unprivileged/"
  mkdir -p "$unprivileged/folder"
  chmod -R a+rX "$unprivileged" && chmod a+w "$unprivileged/folder"
  chgrp dialout "$pts1" && chmod 0660 "$pts1"
  timeout 60 setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i PATH="$PATH" HOME="$unprivileged" DISPLAY="$DISPLAY" QVZ_BUILD="$QVZ_BUILD" \
    bash "$unprivileged/scripts/receive" --device "$pts1" "$unprivileged/folder" >"$work/check.log" 2>&1
  status=$?
  group=dialout
else
  chmod 0000 "$pts1"
  receive "$work/check.log" --device "$pts1" "$work/folder"
  status=$?
  group=$(stat -c %G "$pts1")
fi
check "a device the user cannot open: status 2" [ "$status" -eq 2 ]
check "a device the user cannot open: names its group $group" says "$work/check.log" "belongs to group $group"
check "a device the user cannot open: the command that adds the user" says "$work/check.log" "usermod -aG $group|in that group"
check "a device the user cannot open: changes nothing" says_not "$work/check.log" '^== '
cat "$work/check.log"
check "no prefix was made by the checks" [ ! -e "$work/data" ]

echo "== a disk through the adapter named with --device, into a folder whose QVZ.INI names COM4"
new_pty_pair
pts=$(readlink -f "$QVZ_TTY/com1")
timer=$work/sysfs/bus/usb-serial/devices/${pts##*/}/latency_timer
mkdir -p "${timer%/*}" "$work/disks"
echo 16 >"$timer"
printf '[Impostazioni]\r\nPorta=COM4\r\n' >"$work/disks/QVZ.INI"
if check "the main window shows" start_receiving "$work/disk.log" QVZ_SYSFS="$work/sysfs" --device "$work/adapter" "$work/disks"; then
  "$QVZ_WINE64" "$remote" --port COM2 --tracks $TRACKS --expected "$(qvz_winpath "$work/expected.qvz")" \
    </dev/null >"$work/remote.log" 2>&1 &
  remote_pid=$!
  (qvz_use_prefix "$launcher_prefix" && "$QVZ_WINE64" "$answer" save "$(qvz_winpath "$work/disks")\\disk1" 120000 </dev/null)
  check "the save prompt was answered" [ $? -eq 0 ]
  wait "$remote_pid"
  check "the remote sent the disk" [ $? -eq 0 ]
  for i in $(seq 100); do [ -s "$work/disks/DISK1.QVZ" ] && break; sleep 0.1; done
  check "COM4 is the adapter in the launcher's prefix" \
    [ "$(readlink "$launcher_prefix/dosdevices/com4")" = "$work/adapter" ]
  end_receiving
  check "ended by the user: status 0" [ "$status" -eq 0 ]
  check "the saved image is the disk sent, byte for byte" cmp "$work/disks/DISK1.QVZ" "$work/expected.qvz"
  check "the image holds $TRACKS tracks" [ "$(stat -c %s "$work/expected.qvz")" -eq $((TRACKS * 4608)) ]
  check "the latency timer reads 1" [ "$(cat "$timer")" = 1 ]
  check "the latency line" says "$work/disk.log" "latency timer of ${pts##*/} was 16 ms: set to 1 ms"
  check "the prefix was made" says "$work/disk.log" "making the Wine prefix in $launcher_prefix"
  check "the mapping changed: the Wine server restarted" says "$work/disk.log" "mapping COM4 to $work/adapter"
fi
cat "$work/disk.log"

echo "== the one adapter in by-id, into a folder without QVZ.INI (COM1)"
new_pty_pair
mkdir -p "$work/one-by-id" "$work/found"
ln -s "$QVZ_TTY/com1" "$work/one-by-id/$BY_ID_NAME"
if check "the main window shows" start_receiving "$work/found.log" QVZ_BY_ID="$work/one-by-id" "$work/found"; then
  check "COM1 is the by-id adapter in the launcher's prefix" \
    [ "$(readlink "$launcher_prefix/dosdevices/com1")" = "$work/one-by-id/$BY_ID_NAME" ]
  end_receiving
  check "ended by the user: status 0" [ "$status" -eq 0 ]
  check "the mapping changed: the Wine server restarted" says "$work/found.log" "mapping COM1 to $work/one-by-id/$BY_ID_NAME"
  check "the prefix was not made again" says_not "$work/found.log" "making the Wine prefix"
  check "no latency line for a device without a timer" says_not "$work/found.log" "latency"
  # Wine records in the prefix the code page that its latest programs ran
  # with; only the launcher's ran in this session.
  check "code page 1252 under a Russian locale" grep -qx '"ACP"="1252"' "$launcher_prefix/system.reg"
fi
cat "$work/found.log"

echo "== the same adapter again, unplugged while the program runs"
new_pty_pair
if check "the main window shows" start_receiving "$work/lost.log" QVZ_BY_ID="$work/one-by-id" "$work/found"; then
  kill "$pair_pid"
  wait_gone "$pair_pid"
  pair_pid=
  end_receiving
  check "the adapter lost: status 3" [ "$status" -eq 3 ]
  check "the adapter lost: says so" says "$work/lost.log" "adapter $work/one-by-id/$BY_ID_NAME is gone"
  check "the mapping unchanged: no restart" says_not "$work/lost.log" "mapping"
fi
cat "$work/lost.log"

echo "$failures failed"
[ "$failures" -eq 0 ]
