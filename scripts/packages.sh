#!/bin/bash
# Installs the Debian packages that playing (scripts/packages.sh play) or building and testing
# every build (scripts/packages.sh, the default) need. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsqlite3-dev libcurl4-openssl-dev ca-certificates
    qt6-base-dev libgl-dev qt6-translations-l10n
    fonts-wqy-zenhei fonts-wqy-microhei
    xdg-utils
)
if [[ ${1:-test} != play ]]; then
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev sqlite3 libssl-dev locales-all
        g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    )
fi

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
