#!/usr/bin/env bash
# Builds the benchmarks in release and prints one table: each load and save
# figure (median of REPETITIONS runs in one process), its reference from the
# same run and the ratio. Extra arguments go to the benchmark program, for
# example --benchmark_filter=800q.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BENCH=ON \
  -DQV_EDITOR=OFF -DQV_TESTS=OFF >/dev/null
cmake --build build-bench -j 2 >/dev/null

json=$(mktemp)
trap 'rm -f "$json"' EXIT
# The runs of all figures are shuffled together, so that a neighbour that
# slows the machine for a while slows a figure and its reference alike.
build-bench/bench/quadrivo-bench --benchmark_repetitions="${REPETITIONS:-9}" \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_format=json "$@" >"$json"

python3 - "$json" <<'PY'
import json, sys

runs = json.load(open(sys.argv[1]))
medians = {b["run_name"]: b for b in runs["benchmarks"] if b.get("aggregate_name") == "median"}
references = {"Load/": "XmlParse/", "Save/": "WriteRename/", "Process/check/": "Process/xml/"}

def reference(name):
    size = name.rpartition("/")[2]
    for prefix, ref in references.items():
        if name.startswith(prefix):
            return ref + size
    return None

def is_reference(name):
    return name.startswith(tuple(references.values()))

print(f"{'figure':<24}{'ms':>10}{'MB/s':>8}{'allocs':>10}  {'reference':<20}{'ms':>10}{'ratio':>8}")
for name, run in medians.items():
    if is_reference(name):
        continue
    ms = run["real_time"] / 1e6
    rate = f"{run['bytes'] / run['real_time'] * 1e3:.0f}" if "bytes" in run else ""
    allocs = f"{run['allocs']:.0f}" if "allocs" in run else ""
    line = f"{name:<24}{ms:>10.3f}{rate:>8}{allocs:>10}"
    ref = reference(name)
    if ref in medians:
        ref_ms = medians[ref]["real_time"] / 1e6
        line += f"  {ref:<20}{ref_ms:>10.3f}{ms / ref_ms:>8.1f}"
    print(line)
PY
