#!/usr/bin/env bash
# Installs what is missing, builds ZETU with its tests (warnings are errors) and runs
# every test headless. With --sanitize the build uses AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build directory of its own.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# poppler-utils renders saved reports for the PDF tests and checks their signatures,
# openssl makes the test certificates, qpdf checks a signed file's structure, softhsm2
# is the token the signing suite sets up with opensc's pkcs11-tool; xvfb and xauth give
# the suites that measure text a real X server
bash "$root/scripts/install-deps.sh" poppler-utils openssl qpdf softhsm2 opensc p11-kit \
    xvfb xauth
# postgresql gives the team-server suite and bench_team a real server (initdb, pg_ctl)
bash "$root/scripts/install-deps.sh" postgresql
# desktop-file-utils and appstream validate the installed desktop entry and metainfo;
# dpkg-dev and lintian make the Debian package and check it
bash "$root/scripts/install-deps.sh" desktop-file-utils appstream dpkg-dev file lintian

build="$root/build"
options=(-DZETU_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    options+=(-DZETU_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    # A leak is matched against tests/lsan.supp by the frames of its allocation, and
    # the program's own code runs under Qt's frames (event loop, test runner). Keeping
    # two frames (the allocator and its caller) suppresses what the listed libraries
    # allocate themselves and never what ZETU allocates. Run one suite with a larger
    # malloc_context_size to see the whole allocation stack of a memory error.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:malloc_context_size=2"
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j1
