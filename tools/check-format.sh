#!/usr/bin/env bash
# Checks that every C++ source file is in the style of .clang-format; prints
# the differences and fails on any. To fix them:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
  echo "check-format.sh: clang-format is missing (Debian package clang-format)" >&2
  exit 1
fi
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "Format: every source file follows .clang-format."
