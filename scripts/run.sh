#!/usr/bin/env bash
# Installs what is missing, builds ZETU and starts it in the current directory
# (where it keeps zetu.ini and zetu.db).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DZETU_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target ZETU
exec "$root/build/ZETU" "$@"
