#!/usr/bin/env bash
# Sets up what is missing, builds Кордамир and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"
exec ./build/default/kordamir
