#!/usr/bin/env bash
# Opens the editor's windows under a virtual display on the sample
# questionnaire, visits them through the menu and saves one PNG per window
# into DIR, and the first page of each printout (the students' test and the
# teacher's key) as print-students.png and print-key.png; then the runner's
# pages the same way. The pictures the user's guide shows are copied into
# its resource folder, editor/qt/resources/guida/, from the same shots.
# Usage: tools/screenshots.sh DIR [TOUR]
# TOUR, the tour program, defaults to build/bin/quadrivo-screenshots.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 DIR [TOUR]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$(mkdir -p "$1" && cd "$1" && pwd)"
tour="$(realpath "${2:-$root/build/bin/quadrivo-screenshots}")"
sample="$root/examples/geografia.tst"

if [ ! -x "$tour" ]; then
  echo "No tour program at $tour: build it first (cmake --build build)." >&2
  exit 1
fi

# A settings store of its own, so that the pictures show the defaults and
# the user's settings are left alone.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT

# A sanitized build reports leaks inside system libraries at exit.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tools/lsan.supp}"

cd "$(dirname "$sample")"
XDG_CONFIG_HOME="$config" \
  timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$tour" "$dir" "$(basename "$sample")"

# The tour writes the printouts as PDF; their first pages become pictures.
for pdf in studenti:students soluzioni:key; do
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$dir/test-${pdf%%:*}.pdf" "$dir/print-${pdf##*:}"
  rm -f "$dir/test-${pdf%%:*}.pdf"
done

# The main window in English (main-en.png): the tour again with the
# language forced, of which only the main window is kept.
english="$(mktemp -d)"
QUADRIVO_LINGUA=en XDG_CONFIG_HOME="$config" \
  timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$tour" "$english" "$(basename "$sample")"
cp "$english/main.png" "$dir/main-en.png"
rm -rf "$english"

# The runner's pages (runner-start.png, runner-question.png, runner-end.png),
# by its own tour beside the editor's; it saves nothing into the sample.
runner_tour="$(dirname "$tour")/quadrivo-runner-screenshots"
if [ ! -x "$runner_tour" ]; then
  echo "No runner tour at $runner_tour: build it first (cmake --build build)." >&2
  exit 1
fi
XDG_CONFIG_HOME="$config" \
  timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$runner_tour" "$dir" "$(basename "$sample")"

# The guide shows some of the same pictures; it is compiled into the
# editor, so rebuild it after a change.
guide="$root/editor/qt/resources/guida"
for shot in main-list propertydialog newquestion multians textans runner-question print-students; do
  cp "$dir/$shot.png" "$guide/$shot.png"
done
ls "$dir"/*.png
