#!/bin/bash
# Builds every build and runs every test: the Linux build with its tests, then the
# toolkit-neutral libraries with the MinGW-w64 cross compilers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/packages.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300 -j "$jobs"

# Both Windows targets compile; only the 64-bit one could ever run on these machines.
for target in x86_64 i686; do
    cmake -S . -B "build-mingw-$target" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$target.cmake"
    cmake --build "build-mingw-$target" -j "$jobs" --target text kit ui program
    echo "MinGW-w64 $target: the toolkit-neutral libraries compile"
done
