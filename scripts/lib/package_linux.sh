# The Linux archives of qvz-receive, beside the Windows one: each holds the
# program, linked statically so that it runs on any Linux of its
# architecture, and its guide. The same commit gives the same bytes.
# Needs common.sh and package.sh (QVZ_VERSION, qvz_source_epoch).

# qvz_package_linux ARCH DIST: builds qvz-receive for ARCH (x86_64 with the
# machine's compiler, aarch64 with Debian's g++-aarch64-linux-gnu) in
# build/release-ARCH, runs its tests there (aarch64's that need no line,
# under qemu-user), packs DIST/qvz-receive-VERSION-linux-ARCH.tar.gz and
# prints its path.
qvz_package_linux() {
  local arch=$1 dist=$2
  local build=$QVZ_ROOT/build/release-$arch name=qvz-receive-$QVZ_VERSION-linux-$arch
  local toolchain=() tests=.
  if [ "$arch" = aarch64 ]; then
    qvz_install_missing g++-aarch64-linux-gnu qemu-user
    toolchain=(-DCMAKE_TOOLCHAIN_FILE="$QVZ_ROOT/cmake/aarch64-linux-gnu.cmake")
    # The others run the program as a process on a pty pair: not under qemu.
    tests='^(protocol_test|receive_unit_test)$'
  fi
  qvz_log "building qvz-receive for $arch in $build"
  # The static C library warns about name services only the test programs use.
  cmake -S "$QVZ_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQVZ_BUILD_TESTS=ON -DQVZ_STATIC=ON \
    -DCMAKE_EXE_LINKER_FLAGS=-s "${toolchain[@]}" >/dev/null
  cmake --build "$build" -j "$(nproc)" -- --no-print-directory >/dev/null 2>&1
  ctest --test-dir "$build" -R "$tests" --output-on-failure --timeout 300 >&2

  local stage tarball
  stage=$(realpath -m "$dist/stage-$arch")
  tarball=$(realpath -m "$dist/$name.tar.gz")
  rm -rf "$stage"
  mkdir -p "$stage/$name"
  install -m 0755 "$build/src/receive/qvz-receive" "$stage/$name/qvz-receive"
  install -m 0644 "$QVZ_ROOT/package/README-linux.txt" "$stage/$name/README.txt"
  tar --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$(qvz_source_epoch)" --format=gnu \
    -C "$stage" -cf - "$name" | gzip -n -9 >"$tarball"
  rm -rf "$stage"
  echo "$tarball"
}

# qvz_check_linux_package TARBALL ARCH: unpacked into an empty folder as a
# user gets it, the program needs no loader or library of the machine's and
# runs (aarch64 under qemu-user, given no system root).
qvz_check_linux_package() {
  local tarball=$1 arch=$2 check program run=() ok=true
  check=$(mktemp -d)
  tar -xzf "$tarball" -C "$check"
  program=$(echo "$check"/*/qvz-receive)
  [ "$arch" = aarch64 ] && run=(qemu-aarch64)
  if readelf -l "$program" | grep -q 'program interpreter'; then
    qvz_log "the unpacked $arch qvz-receive is not linked statically"
    ok=false
  elif ! "${run[@]}" "$program" --help | grep -q '^usage: qvz-receive'; then
    qvz_log "the unpacked $arch qvz-receive does not run"
    ok=false
  fi
  rm -rf "$check"
  $ok
}
