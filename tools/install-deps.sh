#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmark need.
# Idempotent: when everything is already there it prints nothing and exits 0.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  g++-multilib
  libgtest-dev libgmock-dev googletest
  libbenchmark-dev
  nlohmann-json3-dev
  clang-format
  valgrind
  wine wine64
  qemu-user
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
