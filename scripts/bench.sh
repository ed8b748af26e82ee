#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its figures as ratios against a
# baseline measured in the same run (a plain read, or the gs command).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLICORA_BUILD_BENCH=ON
cmake --build build --target bench_probe bench_gs -j"$(nproc)"
build/bench/bench_probe
build/bench/bench_gs
