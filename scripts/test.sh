#!/bin/bash
# Builds every build and runs every test: the Linux build with its tests, then the
# toolkit-neutral libraries with the MinGW-w64 cross compiler.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/packages.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300 -j "$jobs"

cmake -S . -B build-mingw64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
cmake --build build-mingw64 -j "$jobs" --target text kit ui program
echo "MinGW-w64 x86_64: the toolkit-neutral libraries compile"
