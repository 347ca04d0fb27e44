#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Reports where the C++ sources differ from what .clang-format asks for, and
# exits 1 when any does. Changes nothing.
#
#   tools/check-format.sh [--diff]
#
# --diff prints the changes clang-format would make. CLANG_FORMAT names
# another binary; the configuration is tuned to Debian 12's clang-format 14,
# and other versions break some lines differently.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
show_diff=false
[ "${1:-}" = --diff ] && show_diff=true

if ! command -v "$format" >/dev/null; then
  echo "no $format: tools/install-deps.sh installs it" >&2
  exit 2
fi

# The files git keeps; in an unpacked source tree, every source below it.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi

differing=0
lines=0
for file in "${files[@]}"; do
  # -style=file reads the nearest .clang-format, as an editor would.
  if ! difference=$("$format" -style=file "$file" | diff -u "$file" -); then
    differing=$((differing + 1))
    changed=$(tail -n +3 <<<"$difference" | grep -c '^-' || true)
    lines=$((lines + changed))
    echo "$file: $changed lines"
    if $show_diff; then
      echo "$difference"
    fi
  fi
done

if [ "$differing" -gt 0 ]; then
  echo "$differing of ${#files[@]} files differ from .clang-format in $lines lines" \
    "(clang-format -i FILE rewrites one)" >&2
  exit 1
fi
echo "all ${#files[@]} files as .clang-format asks"
