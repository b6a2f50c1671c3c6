#!/usr/bin/env bash
# Fails when a C++ source differs from what the committed .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format has them"
