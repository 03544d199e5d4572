#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test: once in a
# normal build with warnings as errors, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUORL_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure

# A short run of each fuzz target (tools/fuzz.sh runs them longer).
bash tools/fuzz.sh 10

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORL_SANITIZE=ON -DQUORL_WERROR=ON
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan -j"$jobs" --output-on-failure
