#!/usr/bin/env bash
# Installs what is missing, builds Quillset and its tests, and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
