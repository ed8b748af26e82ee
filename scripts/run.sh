#!/usr/bin/env bash
# Installs what is missing, builds Plicora and starts it. Its own build folder
# (build-run/): the test build keeps every option it needs in build/.
# Arguments are passed on: PDF files to open, Qt options such as -platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DPLICORA_BUILD_BENCH=OFF
cmake --build build-run --target plicora -j"$(nproc)"
exec build-run/app/plicora "$@"
