#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: tools/fuzz.sh [seconds per target]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DQUORL_FUZZ=ON -DQUORL_TESTS=OFF
cmake --build build-fuzz -j"$(nproc)" --target load_game_fuzz high_score_view_fuzz
export ASAN_OPTIONS=detect_leaks=0
for target in load_game_fuzz high_score_view_fuzz; do
  corpus="$PWD/build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzzing $target for ${seconds}s"
  "$PWD/build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$corpus" \
    2>&1 | tail -n 3
done
