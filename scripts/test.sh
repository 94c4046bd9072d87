#!/usr/bin/env bash
# Installs what is missing, builds ミヌカ and runs every test headless: once in
# the ordinary build, once more with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMINUKA_SANITIZE=ON
cmake --build build-asan -j2
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1:suppressions=$PWD/tests/lsan.supp"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
(cd build-asan && ctest --output-on-failure -j2)
