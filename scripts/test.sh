#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as built
# for users, once under AddressSanitizer and UndefinedBehaviorSanitizer. Every
# option a complete run needs is set here, whatever a build folder's cache holds,
# and a run that finds no test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
# File names outside ASCII (in the tests, and under Wine, which takes its code
# page from the locale) need a UTF-8 locale; a bare machine or `env -i` sets none.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
scripts/install-deps.sh
jobs="$(nproc)"
all=(-DBUILD_TESTING=ON -DPLICORA_BUILD_GUI=ON -DPLICORA_BUILD_CLI=ON -DPLICORA_FUZZ=OFF)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLICORA_WERROR=ON -DPLICORA_SANITIZE=OFF \
  -DPLICORA_BUILD_BENCH=ON "${all[@]}"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPLICORA_SANITIZE=ON -DPLICORA_BUILD_BENCH=OFF "${all[@]}"
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$jobs"
