#!/usr/bin/env bash
# Builds the benchmarks (Release, native plug-ins only) and runs them: the
# timed frames against the pass-through baseline, the host-traffic and
# holdings audit over 100,000 frames, and the callgrind count of the
# plug-in's own instructions per frame. Not part of the tests.
#
# Usage: tools/run-benchmarks.sh [extra Google Benchmark flags]
# BUILD_DIR (default build/bench) and JOBS (default 2) may be set.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/bench}
bash tools/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTAVRELIO_BUILD_WINDOWS_PLUGINS=OFF -DTAVRELIO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" -j "${JOBS:-2}" \
  --target tavrelio_bench tavrelio_frame_audit tavrelio_frame_loop

echo "# Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$build_dir/benchmarks/tavrelio_bench" --benchmark_min_time=0.2 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true "$@"
echo
"$build_dir/benchmarks/tavrelio_frame_audit"
echo
bash tools/callgrind-frame.sh "$build_dir"
