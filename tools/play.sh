#!/usr/bin/env bash
# Installs what is missing, builds the game and starts the windowed program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
cd build/game
exec ./quorl_demo_windowed
