#!/usr/bin/env bash
# Builds a libFuzzer target with clang and runs it: the probe's (the default) or
# the reader's with the exact engine's.
# Usage: scripts/fuzz.sh [probe|engine] [seconds]   (default: probe, 600 seconds)
set -euo pipefail
cd "$(dirname "$0")/.."
target=probe
if [[ "${1:-}" == probe || "${1:-}" == engine ]]; then
  target="$1"
  shift
fi
seconds="${1:-600}"
scripts/install-deps.sh --fuzz
# The engine's target takes its scratch folder and good PDF from the test tools.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLICORA_FUZZ=ON \
  -DPLICORA_BUILD_GUI=OFF -DPLICORA_BUILD_CLI=OFF -DPLICORA_BUILD_BENCH=OFF -DBUILD_TESTING=ON
cmake --build build-fuzz --target "${target}_fuzzer" -j"$(nproc)"
mkdir -p "build-fuzz/work-corpus-$target"
options=(-max_total_time="$seconds")
if [[ "$target" == probe ]]; then
  options+=(-dict=fuzz/probe.dict -max_len=8192)
else
  # Deep structures need room; a run past this many seconds is a hang.
  options+=(-max_len=65536 -timeout=10 -rss_limit_mb=2048)
fi
exec "build-fuzz/fuzz/${target}_fuzzer" "build-fuzz/work-corpus-$target" "fuzz/corpus/$target" "${options[@]}"
