# Shared by the scripts in scripts/: installs what is missing, builds, and
# starts and stops the display, the Wine server and its prefix.
# Every process started here is stopped again by its own id.

QVZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QVZ_BUILD=${QVZ_BUILD:-$QVZ_ROOT/build}
QVZ_NATIVE_BUILD=${QVZ_NATIVE_BUILD:-$QVZ_BUILD/native}
QVZ_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
              wine wine64 xvfb socat xdotool googletest)
QVZ_WINE64=/usr/lib/wine/wine64

qvz_log() { printf '== %s\n' "$*" >&2; }

qvz_install_missing() {
  local missing=() p
  for p in "${QVZ_PACKAGES[@]}"; do
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

qvz_build() {
  qvz_log "building in $QVZ_BUILD"
  cmake -S "$QVZ_ROOT" -B "$QVZ_BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QVZ_ROOT/cmake/mingw-w64-x86_64.cmake" "$@" >/dev/null
  cmake --build "$QVZ_BUILD" -j "$(nproc)" -- --no-print-directory >/dev/null
}

# The parts that need no Win32 call, built with the host's compiler.
qvz_build_native() {
  qvz_log "building the portable parts in $QVZ_NATIVE_BUILD"
  cmake -S "$QVZ_ROOT" -B "$QVZ_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$QVZ_NATIVE_BUILD" -j "$(nproc)" -- --no-print-directory >/dev/null
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

# One display, one persistent Wine server, one prefix inside the build folder
# with COM1 and COM2 mapped to fixed links in $QVZ_TTY; tests point the links
# at fresh pty pairs. COM3 is the machine's own serial port, where it has one:
# unlike a pty, its character-event wait really waits.
qvz_start_services() {
  export WINEPREFIX=$QVZ_BUILD/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export QVZ_TTY=$QVZ_BUILD/tty LC_ALL=C.UTF-8 LANG=en_US.UTF-8
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

  # The marker names what the prefix was made with; a prefix made otherwise is made anew.
  local marker=$WINEPREFIX/.qvz-prefix-v3
  if [ ! -f "$marker" ]; then
    qvz_log "making the Wine prefix"
    rm -rf "$WINEPREFIX"
    "$QVZ_WINE64" wineboot -i >/dev/null 2>&1 </dev/null
    local reg=("$QVZ_WINE64" reg add)
    "${reg[@]}" 'HKLM\Software\Wine\Ports' /v COM1 /d "$QVZ_TTY/com1" /f >/dev/null 2>&1 </dev/null
    "${reg[@]}" 'HKLM\Software\Wine\Ports' /v COM2 /d "$QVZ_TTY/com2" /f >/dev/null 2>&1 </dev/null
    "${reg[@]}" 'HKLM\Software\Wine\Ports' /v COM3 /d /dev/ttyS0 /f >/dev/null 2>&1 </dev/null
    # There is no window manager on the test display: a managed window would
    # wait two seconds for one at every close.
    "${reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    touch "$marker"
  fi
  # Wine's device manager points dosdevices/comN at the mapped paths when it
  # starts, which may be after wineboot has returned; until then COM1 can
  # still name the machine's own /dev/ttyS0. The links go first and the
  # tests start only once the device manager has made them again. A server
  # left running for this prefix (by a run that was killed) would never make
  # them again, so it goes first.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -f "$WINEPREFIX"/dosdevices/com[123]
  wineserver -f -p >/dev/null 2>&1 </dev/null &
  QVZ_PIDS+=($!)
  "$QVZ_WINE64" wineboot >/dev/null 2>&1 </dev/null
  qvz_wait_for_port_links
}

qvz_wait_for_port_links() {
  local i dev=$WINEPREFIX/dosdevices
  for i in $(seq 600); do
    [ "$i" -eq 1 ] || sleep 0.05
    [ "$(readlink "$dev/com1")" = "$QVZ_TTY/com1" ] && [ "$(readlink "$dev/com2")" = "$QVZ_TTY/com2" ] &&
      [ "$(readlink "$dev/com3")" = /dev/ttyS0 ] && return 0
  done
  qvz_log "Wine did not map COM1, COM2 and COM3 within 30 seconds"
  return 1
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
