#!/bin/bash
# Builds Vantrel and starts it. On a fresh Debian 12 machine it first installs what building
# and playing need; the first time, it also puts a starter word library, caici.mdb, next to
# the program. Safe to run again: it only builds what changed and never replaces a library.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$here/build-release"

bash "$here/scripts/packages.sh" play

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_TESTS=OFF \
    -DVANTREL_BENCH=OFF
cmake --build "$build" --target vantrel vantrel-makelib

program="$build/main/vantrel"
library="$(dirname "$program")/caici.mdb"
if [[ ! -e "$library" ]]; then
    "$build/tools/makelib/vantrel-makelib" "$library"
fi
exec "$program"
