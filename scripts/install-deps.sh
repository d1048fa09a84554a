#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quillset needs, only those
# that are missing. Extra package names given as arguments (tools for the install
# check, the package or the page tests) are added to the list.
set -euo pipefail

packages=(cmake g++ make ccache qt6-base-dev qt6-l10n-tools libcurl4-openssl-dev qtkeychain-qt6-dev fonts-dejavu-core "$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# Root installs directly (a Debian installed with a root password has no sudo);
# anyone else goes through sudo.
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo > /dev/null; then
        echo "Installing ${missing[*]} needs root: run this as root, or install and set up sudo." >&2
        exit 1
    fi
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# Through env, since sudo drops the caller's environment.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
