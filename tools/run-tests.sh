#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# default build (native plug-ins, both .aex files, stand-in host tests, PE
# checks, scenarios) and the sanitizer build of the stand-in host tests.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

for preset in default sanitize; do
  echo "== ${preset}: configure and build"
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}"
  echo "== ${preset}: test"
  ctest --preset "${preset}"
done
