#!/usr/bin/env bash
# Installs the Debian (bookworm) packages the build, the tests and the program need, when missing.
# Sourced by run.sh and test.sh. As root it uses apt-get, otherwise sudo; when neither works it
# prints the apt line to run by hand and fails.

VZ_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev
    libsqlite3-dev libzip-dev libfreexl-dev libxlsxwriter-dev libcurl4-openssl-dev libsimpleini-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth
    python3-openpyxl python3-docx python3-xlrd python3-pyftpdlib libspreadsheet-writeexcel-perl
)

vz_missing_packages() {
    local missing=() p
    for p in "${VZ_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    echo "${missing[@]}"
}

vz_install_deps() {
    local missing
    missing=$(vz_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing missing packages: $missing"
    local apt=(apt-get install -y --no-install-recommends $missing)
    if [ "$(id -u)" -eq 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get update -q && DEBIAN_FRONTEND=noninteractive "${apt[@]}" && return 0
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo DEBIAN_FRONTEND=noninteractive apt-get update -q && sudo DEBIAN_FRONTEND=noninteractive "${apt[@]}" && return 0
    fi
    echo "Could not install the packages. Please run, as root:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends $missing" >&2
    return 1
}
