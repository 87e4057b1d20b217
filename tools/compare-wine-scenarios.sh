#!/usr/bin/env bash
# Runs every bundled scenario twice -- the native runner with the native
# 64-bit plug-in, and the Windows runner with Tavrelio(64bit).aex under Wine --
# and fails unless each pair of JSON timelines and exit codes is identical.
#   tools/compare-wine-scenarios.sh NATIVE_RUNNER NATIVE_PLUGIN WINDOWS_RUNNER_EXE AEX WINE_PREFIX OUT_DIR SCENARIO_DIR...
# The only normalisation is line endings: the Windows C runtime writes CRLF
# to stdout. Exits 77 (CTest's skip code here) with the reason when it cannot run.
set -uo pipefail

native_runner=$1 native_plugin=$2 windows_runner=$3 aex=$4 prefix=$5 out_dir=$6
shift 6
here=$(cd "$(dirname "$0")" && pwd)

# Wine's drive Z: is the root of the Unix file system in a fresh prefix.
to_windows() { local p=$1; echo "Z:${p//\//\\}"; }

scenarios=()
for dir in "$@"; do
  [[ -d $dir ]] && while IFS= read -r f; do scenarios+=("$f"); done < <(find "$dir" -maxdepth 1 -name '*.json' | sort)
done
if ((${#scenarios[@]} == 0)); then
  echo "SKIPPED: no scenario files (*.json) found in: $*"
  exit 77
fi

# Fails the check with the reason instead of skipping: the runner was built.
for f in "$native_runner" "$native_plugin" "$windows_runner" "$aex"; do
  if [[ ! -f $f ]]; then echo "FAILED: missing $f"; exit 1; fi
done

mkdir -p "$out_dir"
failures=0
for scenario in "${scenarios[@]}"; do
  name=$(basename "$scenario" .json)
  native_out=$out_dir/$name.native.json
  wine_out=$out_dir/$name.wine.json
  "$native_runner" --plugin "$native_plugin" "$scenario" --json >"$native_out" 2>"$out_dir/$name.native.err"
  native_rc=$?
  "$here/wine-run.sh" "$prefix" "$windows_runner" --plugin "$(to_windows "$aex")" \
    "$(to_windows "$scenario")" --json >"$wine_out.raw" 2>"$out_dir/$name.wine.err"
  wine_rc=$?
  if ((wine_rc == 77)) && grep -q '^SKIPPED' "$wine_out.raw"; then
    cat "$wine_out.raw"
    exit 77
  fi
  tr -d '\r' <"$wine_out.raw" >"$wine_out"
  if [[ ! -s $native_out ]]; then
    echo "FAILED $name: the native runner wrote no timeline (exit $native_rc)"
    sed 's/^/  native stderr: /' "$out_dir/$name.native.err" | head -5
    failures=$((failures + 1))
  elif ((native_rc != wine_rc)); then
    echo "FAILED $name: exit code native $native_rc, under Wine $wine_rc"
    sed 's/^/  wine stderr: /' "$out_dir/$name.wine.err" | head -5
    failures=$((failures + 1))
  elif ! diff -u "$native_out" "$wine_out" >"$out_dir/$name.diff"; then
    echo "FAILED $name: timelines differ (first lines of $out_dir/$name.diff):"
    head -20 "$out_dir/$name.diff"
    failures=$((failures + 1))
  else
    echo "same  $name ($(wc -c <"$native_out") bytes, exit $native_rc)"
  fi
done
echo "${#scenarios[@]} scenarios, $failures different"
((failures == 0))
