#!/usr/bin/env bash
# Runs each fuzz target for SECONDS on a copy of its seed corpus, with its
# dictionary (NAME.dict, else the one of tags and keywords). Fails on the first finding (crash,
# sanitizer report, leak, hang); the input that caused it is kept in
# BUILD_DIR/fuzz-findings/.
#   usage: bash fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail

build=${1:?usage: fuzz/run.sh BUILD_DIR SECONDS}
seconds=${2:?usage: fuzz/run.sh BUILD_DIR SECONDS}
here=$(cd "$(dirname "$0")" && pwd)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$build/fuzz-findings"
mkdir -p "$findings"

for name in questionario studenti gift aiken moodlexml; do
  target="$build/fuzz/fuzz_$name"
  # A build without pugixml has no Moodle XML importer to fuzz.
  if [ "$name" = moodlexml ] && [ ! -e "$target" ]; then
    echo "== fuzz_$name not built (no pugixml)"
    continue
  fi
  [ -x "$target" ] || { echo "fuzz/run.sh: $target is missing: build $build first" >&2; exit 1; }
  dict="$here/$name.dict"
  [ -e "$dict" ] || dict="$here/quadrivo.dict"
  cp -R "$here/corpus_$name" "$work/corpus_$name"
  echo "== fuzz_$name for ${seconds}s"
  "$target" "$work/corpus_$name" \
    -dict="$dict" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -max_len=40000 \
    -artifact_prefix="$findings/${name}-" \
    -print_final_stats=1 2>"$work/log_$name" || {
      tail -n 60 "$work/log_$name" >&2
      echo "fuzz_$name found a fault; reproducer in $findings/" >&2
      exit 1
    }
  grep -E '^(#[0-9]+ +DONE|Done)|stat::number_of_executed_units' "$work/log_$name" || true
done
