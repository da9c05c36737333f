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
build-bench/bench/quadrivo-bench --benchmark_repetitions="${REPETITIONS:-9}" \
  --benchmark_report_aggregates_only=true --benchmark_format=json "$@" >"$json"

python3 - "$json" <<'PY'
import json, sys

runs = json.load(open(sys.argv[1]))
medians = {b["run_name"]: b["real_time"] / 1e6 for b in runs["benchmarks"]
           if b.get("aggregate_name") == "median"}

def reference(name):
    kind, _, size = name.rpartition("/")
    if kind.startswith("Load/"):
        return "XmlParse/" + size
    if kind.startswith("Save/"):
        return "WriteRename/" + size
    return None

print(f"{'figure':<24}{'ms':>10}  {'reference':<20}{'ms':>10}{'ratio':>8}")
for name, ms in medians.items():
    ref = reference(name)
    if ref is None or ref not in medians:
        if not name.startswith(("XmlParse", "WriteRename")):
            print(f"{name:<24}{ms:>10.3f}")
        continue
    print(f"{name:<24}{ms:>10.3f}  {ref:<20}{medians[ref]:>10.3f}{ms / medians[ref]:>8.1f}")
PY
