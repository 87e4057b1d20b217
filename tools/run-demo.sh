#!/usr/bin/env bash
# Installs what is missing, builds the plug-ins and plays the bundled demo
# project in the stand-in host.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset default >/dev/null
# Only what the demo needs: the plug-ins and the runner (the test command
# builds the rest).
cmake --build --preset default --target tavrelio-run tavrelio_windows_plugins
echo
echo "Built Windows plug-ins:"
ls -l build/default/aex/
echo
build/default/scenario_runner/tavrelio-run "$@"
