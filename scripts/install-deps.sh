#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quillset needs, only those
# that are missing. Extra package names given as arguments (tools for the install
# check, the package or the page tests) are added to the list.
set -euo pipefail

packages=(cmake g++ make ccache qt6-base-dev fonts-dejavu-core "$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
