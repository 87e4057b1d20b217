#!/usr/bin/env bash
# Installs what is missing, builds the plug-ins and plays the bundled demo
# project in the stand-in host.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
echo
echo "Built Windows plug-ins:"
ls -l build/default/aex/
echo
build/default/scenario_runner/tavrelio-run "$@"
