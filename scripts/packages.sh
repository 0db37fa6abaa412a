#!/bin/bash
# Installs the Debian packages that building, testing and playing need. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libsqlite3-dev sqlite3 libcurl4-openssl-dev libssl-dev ca-certificates
    qt6-base-dev qt6-base-dev-tools libgl-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    fonts-wqy-zenhei fonts-wqy-microhei
    xdg-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
