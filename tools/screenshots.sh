#!/usr/bin/env bash
# Opens the editor under a virtual display on the sample questionnaire,
# visits its windows through the menu and saves one PNG per window into DIR.
# Usage: tools/screenshots.sh DIR [EDITOR]
# EDITOR defaults to build/bin/quadrivo-editor.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 DIR [EDITOR]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(mkdir -p "$1" && cd "$1" && pwd)"
editor="$(realpath "${2:-$root/build/bin/quadrivo-editor}")"
sample="$root/examples/geografia.tst"

if [ ! -x "$editor" ]; then
  echo "No editor at $editor: build it first (cmake --build build)." >&2
  exit 1
fi

# A settings store of its own, so that the pictures show the defaults and
# the user's settings are left alone.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT

cd "$(dirname "$sample")"
XDG_CONFIG_HOME="$config" QV_SCREENSHOT_TOUR="$dir" \
  timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$editor" "$(basename "$sample")"
ls "$dir"/*.png
