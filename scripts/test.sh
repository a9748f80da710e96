#!/usr/bin/env bash
# Installs what is missing, builds Vezizivu with asserts and warnings as errors, and runs every
# test headless through CTest. Exits non-zero on any failure.
# VZ_SANITIZE=1 scripts/test.sh builds and tests with AddressSanitizer and UBSan instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
source scripts/deps.sh
vz_install_deps

if [ "${VZ_SANITIZE:-0}" = "1" ]; then
    build=build/asan
    extra=(-DVZ_SANITIZE=ON -DVZ_BUILD_BENCH=OFF)
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    build=build/debug
    extra=()
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVZ_WERROR=ON "${extra[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --no-tests=error
