#!/bin/sh
# Installs what is missing, builds, and runs every test.
#   --sanitize  builds with AddressSanitizer and UndefinedBehaviorSanitizer and makes every
#               warning an error, as CI does
set -eu
cd "$(dirname "$0")/.."

build=build
options="-DSORIKA_WERROR=OFF -DSORIKA_SANITIZE=OFF"
if [ "${1:-}" = --sanitize ]; then
    build=build-sanitize
    options="-DSORIKA_WERROR=ON -DSORIKA_SANITIZE=ON"
fi

scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug $options
cmake --build "$build" --parallel 2
ctest --test-dir "$build" --output-on-failure --timeout 600
