#!/usr/bin/env bash
# Builds the probe's libFuzzer target with clang and runs it.
# Usage: scripts/fuzz.sh [seconds]   (default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz
seconds="${1:-600}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLICORA_FUZZ=ON \
  -DPLICORA_BUILD_GUI=OFF -DPLICORA_BUILD_CLI=OFF -DPLICORA_BUILD_BENCH=OFF -DBUILD_TESTING=OFF
cmake --build build-fuzz --target probe_fuzzer -j"$(nproc)"
mkdir -p build-fuzz/work-corpus
exec build-fuzz/fuzz/probe_fuzzer build-fuzz/work-corpus fuzz/corpus/probe \
  -dict=fuzz/probe.dict -max_len=8192 -max_total_time="$seconds"
