#!/usr/bin/env bash
# Installs what is missing, builds Vezizivu (Release) and opens the bundled example timeline.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
source scripts/deps.sh
vz_install_deps

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVZ_BUILD_TESTS=OFF -DVZ_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# Work on a copy: an open timeline keeps its working files beside the .tml.
example_dir="$top/$build/example"
mkdir -p "$example_dir"
if [ ! -f "$example_dir/History.tml" ] || [ examples/History.tml -nt "$example_dir/History.tml" ]; then
    cp examples/History.tml "$example_dir/History.tml"
fi

if [ -x "$build/src/app/vezizivu" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting under xvfb-run (close with Ctrl+C)." >&2
        exec xvfb-run -a "$build/src/app/vezizivu" "$example_dir/History.tml"
    fi
    exec "$build/src/app/vezizivu" "$example_dir/History.tml"
fi
exec "$build/src/cli/vezizivu-cli" info "$example_dir/History.tml"
