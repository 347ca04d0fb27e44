#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures Кордамир against a bare Qt 6 window: builds in Release
# (build/bench), starts a private Xvfb, prints the table and writes it to
# build/bench/bench-results.md. Options go to the runner: --runs N, --quick.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j"$(nproc)" --target kordamir kordamir-bare kordamir-bare-sound kordamir-bench >/dev/null
out=build/bench/bench-results.md
tools/with-xvfb.sh \
  build/bench/bench/kordamir-bench --game build/bench/kordamir --bare build/bench/bench/kordamir-bare \
  --work build/bench/bench-work --out "$out" "$@"
echo "written to $out"
