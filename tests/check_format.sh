#!/usr/bin/env bash
# Fails when a C++ file of src, tests, tools, bench or fuzz differs from what clang-format makes
# of it under the repository's .clang-format, and names the lines.
# Usage: check_format.sh <clang-format> <source dir>
set -euo pipefail
clang_format=$1
cd "$2"
find src tests tools bench fuzz -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
  sort -z | xargs -0 "$clang_format" --dry-run -Werror
echo "format: ok"
