#!/usr/bin/env bash
# Installs what is missing, builds Quillset and its tests, checks what cmake --install
# puts in place, and runs the tests (the generated pages on Wine's VBScript engine
# among them).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh desktop-file-utils appstream python3 qt6-qpa-plugins wine wine64 locales
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
bash scripts/install-check.sh build
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
