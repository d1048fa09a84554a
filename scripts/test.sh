#!/usr/bin/env bash
# Installs what is missing, builds Quillset and its tests, checks what cmake --install
# puts in place, and runs the tests (the generated pages on Wine's VBScript engine
# among them, and uploads to SFTP, FTPS and FTP servers started on 127.0.0.1).
set -euo pipefail
cd "$(dirname "$0")/.."
# The browser checks of the Modern pages: Chromium, Java for the Nu Html Checker, and Node
# with npm (a Node that brings its own npm needs no Debian npm, which would conflict with it).
browser_tools=(chromium default-jre-headless nodejs)
command -v npm > /dev/null || browser_tools+=(npm)
bash scripts/install-deps.sh desktop-file-utils appstream python3 qt6-qpa-plugins wine wine64 locales \
    vsftpd openssh-server openssh-client openssl "${browser_tools[@]}"
# The checkers of tests/package-lock.json; Puppeteer drives Debian's Chromium, so it downloads no browser.
(cd tests && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
bash scripts/install-check.sh build
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
