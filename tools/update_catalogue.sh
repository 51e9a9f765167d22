#!/usr/bin/env bash
# Regenerates resources/ZETU_en_US.ts from the program's sources and forms and
# fills in the English texts.  Pass --add-unused to keep table entries whose
# text no source holds yet.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
lupdate -silent -I . -no-obsolete -locations none -source-language pt_BR \
    -target-language en_US app registry wizard report -ts "$tmp/scanned.ts"
python3 tools/fill_catalogue.py "$@" "$tmp/scanned.ts" resources/ZETU_en_US.ts
