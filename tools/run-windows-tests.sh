#!/usr/bin/env bash
# Cross-builds for 64-bit Windows everything that needs no Qt (the library,
# tsttool, the editor's core, the runner's engine where there is one) with
# MinGW-w64, then runs each unit test program under Wine. GoogleTest is built
# from Debian's sources; nlohmann-json is headers only and used as it is.
#   tools/run-windows-tests.sh [GTEST_FILTER]
# A filter (GoogleTest's syntax) runs only the matching tests of each program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

build=$(realpath -m "${QV_WINDOWS_BUILD:-build-windows}")
filter=${1:-*}

# The build runs the test programs too, to list their tests: under Wine, in
# a prefix of our own made once per build folder. Wine's messages about
# itself are noise here, and it need not offer to install its browser or
# .NET.
export WINEPREFIX=$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX" "$build/temp"
# The tests' temporary files on the drive of the sources and the build (Z:,
# Wine's view of /): tsttool's tests enter the temporary folder and name the
# samples with their absolute path without a drive.
wine reg add 'HKCU\Environment' /v TEMP /d "Z:$build/temp" /f >/dev/null
wine reg add 'HKCU\Environment' /v TMP /d "Z:$build/temp" /f >/dev/null

# nlohmann-json's CMake package, pointed at a folder that holds its headers
# and nothing else: the package as installed would put all of /usr/include,
# the host's C library included, on the cross compiler's path.
deps=$build/deps
mkdir -p "$deps/include" "$deps/share/cmake"
ln -sfn /usr/include/nlohmann "$deps/include/nlohmann"
rm -rf "$deps/share/cmake/nlohmann_json"
cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DQV_GTEST_SOURCES=/usr/src/googletest \
  -Dnlohmann_json_DIR="$deps/share/cmake/nlohmann_json" \
  -DCMAKE_REQUIRE_FIND_PACKAGE_nlohmann_json=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

mapfile -t programs < <(find "$build" -name '*_test.exe' -not -path '*/googletest/*' | sort)
if [ ${#programs[@]} -eq 0 ]; then
  echo "run-windows-tests.sh: no test program was built" >&2
  exit 1
fi
failed=0
for program in "${programs[@]}"; do
  echo "== $program"
  # The tests find the sources and the built programs where the build put
  # them; they run in the build folder, like under CTest.
  if ! (cd "$build" && wine "$program" --gtest_filter="$filter" --gtest_brief=1); then
    failed=1
  fi
done
wineserver -k 2>/dev/null || true
exit $failed
