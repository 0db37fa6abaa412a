#!/bin/bash
# Builds Vantrel and starts it. On a fresh Debian 12 machine it first installs what building
# and playing need; the first time, it also puts a starter word library, caici.mdb, next to
# the program. Safe to run again: it only builds what changed and never replaces a library.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$here/build-release"

packages=(
    build-essential cmake ninja-build
    qt6-base-dev libgl-dev libsqlite3-dev libcurl4-openssl-dev
    fonts-wqy-zenhei fonts-wqy-microhei qt6-translations-l10n xdg-utils
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

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_TESTS=OFF \
    -DVANTREL_BENCH=OFF
cmake --build "$build" --target vantrel vantrel-makelib

program="$build/main/vantrel"
library="$(dirname "$program")/caici.mdb"
if [[ ! -e "$library" ]]; then
    "$build/tools/makelib/vantrel-makelib" "$library"
fi
exec "$program"
