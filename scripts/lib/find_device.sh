# Finding the USB serial adapter when the user names none: the one adapter
# listed under $QVZ_BY_ID (default /dev/serial/by-id). Its by-id name stays
# the same when it is plugged in again, where ttyUSB0 may become ttyUSB1.

# Prints the by-id path of the one adapter. With none, or more than one, it
# lists what it found (by-id names and the devices they point at) on stderr
# and returns 2.
qvz_find_device() {
  local folder=${QVZ_BY_ID:-/dev/serial/by-id} found=() entry
  for entry in "$folder"/*; do
    [ -c "$entry" ] && found+=("$entry")
  done
  if [ ${#found[@]} -eq 1 ]; then
    printf '%s\n' "${found[0]}"
    return 0
  fi
  if [ ${#found[@]} -eq 0 ]; then
    printf 'No USB serial adapter is listed in %s.\n' "$folder" >&2
  else
    printf '%d USB serial adapters are listed in %s:\n' ${#found[@]} "$folder" >&2
    for entry in "${found[@]}"; do
      printf '  %s -> %s\n' "${entry##*/}" "$(readlink -f "$entry")" >&2
    done
  fi
  printf 'Name the adapter to use with --device PATH.\n' >&2
  return 2
}
