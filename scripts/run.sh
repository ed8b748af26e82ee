#!/usr/bin/env bash
# Installs what is missing, builds Plicora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DPLICORA_BUILD_BENCH=OFF
cmake --build build --target plicora -j"$(nproc)"
exec build/app/plicora "$@"
