#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and this
# machine lacks. Uses apt-get only for missing packages.
set -euo pipefail

packages=(cmake g++ make qtbase5-dev libqt5sql5-sqlite libqt5sql5-psql qttools5-dev-tools qttools5-dev
          libqt5charts5-dev libssl-dev libqpdf-dev libp11-dev p11-kit-modules pkg-config
          fonts-dejavu-core clang-format binutils-mingw-w64-x86-64 "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "These packages are missing and this user cannot install them." >&2
    echo "Run as root:  apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
