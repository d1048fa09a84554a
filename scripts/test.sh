#!/usr/bin/env bash
# Installs what is missing, builds Quillset and its tests, checks what cmake --install
# puts in place, and runs the tests (the generated pages on Wine's VBScript engine
# among them, and uploads to SFTP, FTPS and FTP servers started on 127.0.0.1).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh desktop-file-utils appstream python3 qt6-qpa-plugins wine wine64 locales \
    vsftpd openssh-server openssh-client openssl
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
bash scripts/install-check.sh build
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
