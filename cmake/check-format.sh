#!/usr/bin/env bash
# check-format.sh SOURCE_DIR
# Fails when a tracked C++ source does not follow .clang-format.
set -euo pipefail
cd "$1"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build/')
clang-format --dry-run -Werror $files
echo "$(echo "$files" | wc -w) files follow .clang-format"
