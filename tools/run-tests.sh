#!/usr/bin/env bash
# Installs what is missing, checks that the folders keep their layers and
# the sources their format, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the fuzz targets for a short fixed time,
# then every test through CTest, then builds a small program against the
# installed library, checks the Debian packages and runs the tests of the
# Windows build under Wine. Any failure or sanitizer report fails it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
bash tools/check-layers.sh
bash tools/check-format.sh
bash tools/check-translations.sh

jobs=$(nproc)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen

# Here every optional dependency is required: a missing one fails the
# configure instead of leaving its tests out.
require_all=(-DCMAKE_REQUIRE_FIND_PACKAGE_GTest=ON
  -DCMAKE_REQUIRE_FIND_PACKAGE_nlohmann_json=ON
  -DCMAKE_REQUIRE_FIND_PACKAGE_Qt6=ON)

# Fuzz targets: clang and libFuzzer, library only.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQV_FUZZ=ON -DQV_EDITOR=OFF -DQV_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$jobs"
bash fuzz/run.sh build-fuzz "${QV_FUZZ_SECONDS:-20}"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON "${require_all[@]}" >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs"

# The benchmarks are not tests: built in release and run once on a tiny
# file, only to prove that they still run.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BENCH=ON -DQV_EDITOR=OFF -DQV_TESTS=OFF >/dev/null
cmake --build build-bench -j "$jobs"
build-bench/bench/quadrivo-bench --tiny --benchmark_min_time=0 >/dev/null

# The library as another project gets it: configured as if nothing but the
# compiler were there, installed into a temporary prefix, and found there
# with find_package(Quadrivo) by tools/consumer, which loads the sample.
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_nlohmann_json=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build build-package -j "$jobs"
cmake --install build-package --prefix "$prefix/install" >/dev/null
cmake -S tools/consumer -B "$prefix/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$prefix/install" >/dev/null
cmake --build "$prefix/consumer"
"$prefix/consumer/consumer" examples/geografia.tst

# The Debian packages with their desktop files, and the Windows build of
# everything without Qt, its tests run under Wine.
bash tools/check-package.sh
bash tools/run-windows-tests.sh
