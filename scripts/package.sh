#!/usr/bin/env bash
# Installs what is missing, builds Quillset in Release without its tests and makes
# the Debian package build-package/quillset_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh dpkg-dev file
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
cmake --build build-package -j2
(cd build-package && cpack -G DEB)
package=$(ls build-package/quillset_*.deb)
echo "Package: $package"
sudo="sudo "
[ "$(id -u)" -eq 0 ] && sudo=""
echo "Install it with: ${sudo}apt install ./$package"
