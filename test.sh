#!/usr/bin/env bash
# Installs what AcctPrep needs, builds it and runs every test offscreen.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure
