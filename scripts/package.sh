#!/usr/bin/env bash
# Installs what is missing, builds ZETU without its tests in build-package/ and makes
# the Debian package build-package/zetu_<version>_<arch>.deb, whose dependencies
# dpkg-shlibdeps reads from the libraries the program links.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh" dpkg-dev file

build="$root/build-package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZETU_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
ls "$build"/zetu_*.deb
