#!/usr/bin/env bash
# Installs what is missing, builds Quillset in Release without its tests and makes
# the Debian package build-package/quillset_<version>_<arch>.deb. The program is built
# with Debian's hardening flags and checked with hardening-check; two builds of one
# commit give the same package, wherever the clone lies. The build folder stays inside
# the source folder: the paths from one to the other end up in the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$(pwd)
bash scripts/install-deps.sh dpkg-dev file devscripts
mkdir -p build-package
build=$source/build-package

# The package's dates are the commit's: file times in the package, the resource
# data compiled into the program.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2> /dev/null || stat -c %Y CMakeLists.txt)
fi
export SOURCE_DATE_EPOCH
export QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH

# Debian's flags: stack protector, fortified functions, read-only relocations bound at
# start, position-independent code. Paths of the source and build folders are left out
# of the program, so that where it was built does not change it.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
# Debian 12's dpkg-buildflags leaves out what later releases add and hardening-check
# looks for: stack clash protection, control flow protection and the fortify level
# that also checks sizes known only while the program runs.
cxxflags="${cxxflags/_FORTIFY_SOURCE=2/_FORTIFY_SOURCE=3} -fstack-clash-protection -fcf-protection"
cxxflags="$cxxflags -ffile-prefix-map=$source=. -ffile-prefix-map=$build=."
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build "$build" -j2
rm -f "$build"/quillset_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/quillset_*.deb)

# The packaged program and its transfer module, as installed, must pass Debian's hardening check. Control flow
# marking is not asked for: Debian 12's C library start files, linked into every
# program, carry none, so no program built on Debian 12 has it (its own ls neither).
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
hardening-check --nocfprotection "$unpacked/usr/bin/quillset" "$unpacked"/usr/lib/*/quillset/*.so

echo "Package: $package"
sudo="sudo "
[ "$(id -u)" -eq 0 ] && sudo=""
echo "Install it with: ${sudo}apt install $package"
