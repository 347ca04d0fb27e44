#!/usr/bin/env bash
# Sets up what is missing, builds Кордамир and runs every test: the rules and
# windows headless, and the real program under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)"
