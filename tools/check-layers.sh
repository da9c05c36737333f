#!/usr/bin/env bash
# Checks that the folders form layers: a file includes only headers of its
# own folder or of the folders below it, never above. The library, from the
# bottom: text, student, model, tstfile, then interchange (the files of
# learning platforms). The programs (editor, tools, fuzz, and those to come)
# sit on top of them; the editor's core sees no Qt and none of the editor's
# Qt layer, the runner's core no Qt and neither Qt layer. Prints each
# offending line and fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
  case "$1" in
    text) echo 0 ;;
    student) echo 1 ;;
    model) echo 2 ;;
    tstfile) echo 3 ;;
    interchange) echo 4 ;;
    *) echo 9 ;;
  esac
}

status=0
while IFS= read -r file; do
  folder=${file%%/*}
  mine=$(rank "$folder")
  while IFS= read -r line; do
    target=$(sed -E 's|^#include "([a-z_]+)/.*|\1|' <<<"$line")
    if [ "$(rank "$target")" -gt "$mine" ]; then
      echo "$file: $line: $folder may not include $target"
      status=1
    fi
  done < <(grep -E '^#include "[a-z_]+/' "$file" || true)
done < <(git ls-files 'text/*' 'student/*' 'model/*' 'tstfile/*' 'interchange/*' | grep -E '\.(h|cpp)$')

while IFS= read -r file; do
  if grep -nE '^#include (<Q|"editor/qt/)' "$file"; then
    echo "$file: the editor's core includes Qt or its Qt layer"
    status=1
  fi
done < <(git ls-files 'editor/core/*' | grep -E '\.(h|cpp)$')

while IFS= read -r file; do
  if grep -nE '^#include (<Q|"(runner/qt|editor/qt)/)' "$file"; then
    echo "$file: the runner's core includes Qt or a Qt layer"
    status=1
  fi
done < <(git ls-files 'runner/core/*' | grep -E '\.(h|cpp)$')

[ "$status" -eq 0 ] && echo "Layers: text < student < model < tstfile < interchange < programs; editor and runner cores without Qt."
exit "$status"
