# Shared by the scripts in scripts/: installs what is missing, builds, makes
# Wine prefixes, and starts and stops the display, the Wine server and its
# prefix.
# Every process started here is stopped again by its own id.

QVZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QVZ_BUILD=${QVZ_BUILD:-$QVZ_ROOT/build}
QVZ_NATIVE_BUILD=${QVZ_NATIVE_BUILD:-$QVZ_BUILD/native}
# What building qvz.exe and running it need; the tests need the rest too
# (locales: the launcher's test makes a locale of another code page; zip and
# unzip: the packaging and its test).
QVZ_PROGRAM_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
                      wine wine64)
QVZ_PACKAGES=("${QVZ_PROGRAM_PACKAGES[@]}" g++ xvfb socat xdotool googletest locales zip unzip)
# What building the portable parts natively (qvz-compare among them) needs.
QVZ_NATIVE_PACKAGES=(cmake make g++ googletest)
QVZ_WINE64=/usr/lib/wine/wine64

qvz_log() { printf '== %s\n' "$*" >&2; }

# Installs those of the packages named (default: all the scripts need) that are missing.
qvz_install_missing() {
  local missing=() p
  [ $# -gt 0 ] || set -- "${QVZ_PACKAGES[@]}"
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  qvz_log "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

qvz_configure() {
  cmake -S "$QVZ_ROOT" -B "$QVZ_BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QVZ_ROOT/cmake/mingw-w64-x86_64.cmake" "$@"
}

qvz_build() {
  qvz_log "building in $QVZ_BUILD"
  qvz_configure -DQVZ_BUILD_TESTS=ON "$@" >/dev/null
  cmake --build "$QVZ_BUILD" -j "$(nproc)" -- --no-print-directory >/dev/null
}

QVZ_EXE=$QVZ_BUILD/src/app/qvz.exe

# qvz.exe alone, for users: no test programs, so no GoogleTest. What the
# build says goes to a log, named when it fails.
qvz_build_program() {
  local log=$QVZ_BUILD/build-qvz.log
  qvz_log "building qvz.exe in $QVZ_BUILD (once; a few minutes)"
  mkdir -p "$QVZ_BUILD"
  if ! { qvz_configure -DQVZ_BUILD_TESTS=OFF && cmake --build "$QVZ_BUILD" --target qvz -j "$(nproc)"; } >"$log" 2>&1; then
    qvz_log "the build failed; what it said is in $log"
    return 1
  fi
}

# The parts that need no Win32 call, built with the host's compiler: all of
# them, or only the target QVZ_NATIVE_TARGET names.
qvz_build_native() {
  qvz_log "building ${QVZ_NATIVE_TARGET:-the portable parts} in $QVZ_NATIVE_BUILD"
  cmake -S "$QVZ_ROOT" -B "$QVZ_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$QVZ_NATIVE_BUILD" -j "$(nproc)" ${QVZ_NATIVE_TARGET:+--target "$QVZ_NATIVE_TARGET"} \
    -- --no-print-directory >/dev/null
}

# PROGRAM, a native program that the target TARGET of the native build
# makes, built first when it is missing or older than a source file in the
# FOLDERs given (installing what that needs). A build that changed nothing
# of the program still marks it as made from the sources as they are now.
qvz_native_program() {
  local program=$1 target=$2
  shift 2
  [ -x "$program" ] &&
    [ -z "$(find "$@" \( -name '*.cpp' -o -name '*.h' \) -newer "$program" -print -quit)" ] && return 0
  qvz_install_missing "${QVZ_NATIVE_PACKAGES[@]}"
  QVZ_NATIVE_TARGET=$target qvz_build_native
  touch "$program"
}

QVZ_PIDS=()

qvz_stop_services() {
  local pid
  # The Wine server ends the prefix's own processes (services, device hosts,
  # the desktop) only while it runs: ask it first, then stop it.
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  for pid in "${QVZ_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  # The pty pairs that test programs started keep their ids in the tty folder.
  for pid in $(cat "$QVZ_TTY"/*.pid 2>/dev/null); do kill "$pid" 2>/dev/null || true; done
  for pid in "${QVZ_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  QVZ_PIDS=()
}

# Wine in the prefix DIR, quiet. Wine takes its ANSI code page from the
# locale: C.UTF-8 gives code page 1252, the one the program's texts are
# written in, and UTF-8 file names, whatever the user's own locale.
qvz_use_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8 LANG=en_US.UTF-8
}

# Makes $WINEPREFIX once, its output hidden; the file MARKER in it names what
# it was made with. A prefix that an older MARKER names is made anew; one
# without a marker is only brought up to date, never removed. SETTINGS, a
# command, adds the prefix's own registry values.
qvz_make_prefix() {
  local marker=$WINEPREFIX/$1 settings=${2:-true}
  [ -f "$marker" ] && return 0
  qvz_log "making the Wine prefix in $WINEPREFIX"
  if compgen -G "$WINEPREFIX/${1%v*}v*" >/dev/null; then rm -rf "$WINEPREFIX"; fi
  mkdir -p "$WINEPREFIX"
  "$QVZ_WINE64" wineboot -i >/dev/null 2>&1 </dev/null
  "$settings"
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  touch "$marker"
}

qvz_set_registry() {
  "$QVZ_WINE64" reg add "$1" /v "$2" /d "$3" /f >/dev/null 2>&1 </dev/null
}

# A registry value of the prefix, empty when there is none.
qvz_registry_value() {
  "$QVZ_WINE64" reg query "$1" /v "$2" 2>/dev/null </dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_SZ *//p" | head -n1 || true
}

# Wine's device manager points dosdevices/comN at the mapped paths when it
# starts, which may be after the first program has returned; until then a
# link can still name an old device. Stops the prefix's Wine server, if one
# runs, and removes the links of the ports named (com1, ...), which a
# server started next makes again.
qvz_stop_wine_server_and_links() {
  local port
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  for port in "$@"; do rm -f "$WINEPREFIX/dosdevices/$port"; done
}

# Waits until Wine has pointed each dosdevices/PORT at its PATH (PORT=PATH ...).
qvz_wait_for_port_links() {
  local i mapping mapped
  for i in $(seq 600); do
    [ "$i" -eq 1 ] || sleep 0.05
    mapped=1
    for mapping in "$@"; do
      [ "$(readlink "$WINEPREFIX/dosdevices/${mapping%%=*}")" = "${mapping#*=}" ] || mapped=
    done
    [ -n "$mapped" ] && return 0
  done
  qvz_log "Wine did not map ${*%%=*} within 30 seconds"
  return 1
}

# The process id of the Wine server of $WINEPREFIX, empty when none runs.
qvz_wine_server_pid() {
  local p
  for p in $(pgrep -f wineserver64); do
    { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$p"; return; }
  done
  return 0
}

# The test prefix: COM1 and COM2 mapped to fixed links in $QVZ_TTY, which
# tests point at fresh pty pairs. COM10 names the same link as COM1: a port
# numbered above 9 opens only through the device prefix. COM3 is the
# machine's own serial port, where it has one: unlike a pty, its
# character-event wait really waits.
# There is no window manager on the test display: a managed window would
# wait two seconds for one at every close.
qvz_test_prefix_settings() {
  qvz_set_registry 'HKLM\Software\Wine\Ports' COM1 "$QVZ_TTY/com1"
  qvz_set_registry 'HKLM\Software\Wine\Ports' COM2 "$QVZ_TTY/com2"
  qvz_set_registry 'HKLM\Software\Wine\Ports' COM3 /dev/ttyS0
  qvz_set_registry 'HKLM\Software\Wine\Ports' COM10 "$QVZ_TTY/com1"
  qvz_set_registry 'HKCU\Software\Wine\X11 Driver' Managed N
}

# One display, one persistent Wine server and the test prefix inside the
# build folder.
qvz_start_services() {
  qvz_use_prefix "$QVZ_BUILD/wineprefix"
  export QVZ_TTY=$QVZ_BUILD/tty
  mkdir -p "$QVZ_TTY"
  trap qvz_stop_services EXIT
  trap 'exit 130' INT TERM

  # The number a previous run left in the file would pass the wait below
  # before the new Xvfb empties it, so the file goes first.
  local displayfile=$QVZ_BUILD/display
  rm -f "$displayfile"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  QVZ_PIDS+=($!)
  local i
  for i in $(seq 600); do [ -s "$displayfile" ] && break; sleep 0.05; done
  [ -s "$displayfile" ] || { qvz_log "Xvfb gave no display within 30 seconds"; return 1; }
  export DISPLAY=:$(head -n1 "$displayfile")

  qvz_make_prefix .qvz-prefix-v4 qvz_test_prefix_settings
  # The tests start only once the device manager has made the links again. A
  # server left running for this prefix (by a run that was killed) would
  # never make them again, so it goes first.
  qvz_stop_wine_server_and_links com1 com2 com3 com10
  wineserver -f -p >/dev/null 2>&1 </dev/null &
  QVZ_PIDS+=($!)
  "$QVZ_WINE64" wineboot >/dev/null 2>&1 </dev/null
  qvz_wait_for_port_links com1="$QVZ_TTY/com1" com2="$QVZ_TTY/com2" com3=/dev/ttyS0 com10="$QVZ_TTY/com1"
}

# A fresh pty pair behind the fixed links: COM1 is the program's end, COM2
# the remote machine's.
qvz_start_pty_pair() {
  rm -f "$QVZ_TTY/com1" "$QVZ_TTY/com2"
  socat pty,raw,echo=0,link="$QVZ_TTY/com1" pty,raw,echo=0,link="$QVZ_TTY/com2" </dev/null >/dev/null 2>&1 &
  QVZ_PIDS+=($!)
  local i
  for i in $(seq 200); do [ -e "$QVZ_TTY/com1" ] && [ -e "$QVZ_TTY/com2" ] && return 0; sleep 0.01; done
  qvz_log "socat made no pty pair"
  return 1
}

# A host path as the Windows programs name it.
qvz_winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

# qvz_receive_disk EXE WORK [PICTURE]: the receiver's main job. Starts EXE in
# the folder WORK (without a QVZ.INI there it takes COM1, the program's end
# of a fresh pty pair); the simulated remote machine sends one double-sided
# disk (160 tracks) and the save prompt is answered with WORK\disk1. A
# picture of the window goes to PICTURE when one is named; then ESC, pressed
# as a user presses it, ends the program. Fails unless WORK/DISK1.QVZ is
# the disk that was sent (written by the remote to WORK/expected.qvz).
# Needs qvz_start_services and the tools built in $QVZ_BUILD.
qvz_receive_disk() {
  local exe=$1 work=$2 picture=${3:-} tools=$QVZ_BUILD/tools i
  qvz_start_pty_pair
  qvz_log "starting $exe in $work"
  (cd "$work" && exec "$QVZ_WINE64" "$exe") </dev/null >/dev/null 2>&1 &
  local qvz_pid=$!
  QVZ_PIDS+=($qvz_pid)

  qvz_log "the remote machine sends a disk"
  "$QVZ_WINE64" "$tools/remote/qvz-remote.exe" --disks 1 --tracks 160 --start-delay-ms 1000 \
    --expected "$(qvz_winpath "$work/expected.qvz")" </dev/null &
  local remote_pid=$!
  "$QVZ_WINE64" "$tools/answer/qvz-answer.exe" save "$(qvz_winpath "$work")\\disk1" 600000 </dev/null
  wait "$remote_pid"
  for i in $(seq 100); do [ -s "$work/DISK1.QVZ" ] && break; sleep 0.1; done
  if [ -n "$picture" ]; then
    "$QVZ_WINE64" "$tools/answer/qvz-answer.exe" picture "$(qvz_winpath "$picture")" </dev/null || true
  fi
  xdotool keydown Escape
  for i in $(seq 100); do kill -0 "$qvz_pid" 2>/dev/null || break; sleep 0.1; done
  xdotool keyup Escape
  # The window that would have told the Wine server has gone: tell it.
  "$QVZ_WINE64" "$tools/answer/qvz-answer.exe" release Escape </dev/null
  wait "$qvz_pid" || true

  if ! cmp -s "$work/DISK1.QVZ" "$work/expected.qvz"; then
    qvz_log "the saved image differs from the disk sent"
    return 1
  fi
  qvz_log "saved $work/DISK1.QVZ: $(stat -c %s "$work/DISK1.QVZ") bytes, identical to the disk sent"
}
