#!/usr/bin/env bash
# Configures and builds the programs into build/bin (Release with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVPX_WERROR=ON > /dev/null
cmake --build build --parallel "$(nproc)"
