#!/usr/bin/env bash
# Installs what is missing, builds, and opens the editor on the bundled
# sample questionnaire.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)"

editor=build/bin/quadrivo-editor
sample=examples/geografia.tst
if [ ! -x "$editor" ]; then
  echo "Built the library and tsttool (build/bin/tsttool); the editor is not part of this build yet."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run it under a virtual one with: xvfb-run -a $editor $sample"
  exit 0
fi
exec "$editor" "$sample"
