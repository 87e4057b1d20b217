#!/usr/bin/env bash
# Runs one Windows x86-64 program under Wine in a private, quiet prefix.
#   tools/wine-run.sh PREFIX_DIR PROGRAM.exe [ARGS...]
# The prefix is created on first use (wineboot, once, under a lock so that
# parallel CTest runs share it). Exits 77 -- CTest's skip code here -- with
# the reason on stdout when this machine cannot run 64-bit Windows programs.
set -euo pipefail

prefix=$1
shift

wine=""
for candidate in wine64 /usr/lib/wine/wine64 /usr/lib64/wine/wine64; do
  if command -v "$candidate" >/dev/null 2>&1; then
    wine=$(command -v "$candidate")
    break
  fi
done
if [[ -z $wine ]]; then
  echo "SKIPPED: no wine64 found (looked for wine64 on PATH and in /usr/lib/wine); install wine64 to run the Windows checks"
  exit 77
fi

export WINEPREFIX=$prefix
export WINEDEBUG=-all
# No Mono or Gecko download dialogs, no window system.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [[ ! -f $prefix/system.reg ]]; then
    "$wine" wineboot --init >/dev/null 2>&1 || true
    wineserver_bin=$(dirname "$wine")/wineserver
    command -v wineserver >/dev/null 2>&1 && wineserver_bin=wineserver
    "$wineserver_bin" -w >/dev/null 2>&1 || true
  fi
  if [[ ! -f $prefix/system.reg ]]; then
    echo "SKIPPED: wineboot could not create the prefix $prefix"
    exit 77
  fi
) 9>"$prefix.lock"

exec "$wine" "$@"
