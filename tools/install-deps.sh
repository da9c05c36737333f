#!/usr/bin/env bash
# Installs, on Debian 12, what building and testing the project needs and the
# machine lacks; with --editor, only what building and running the editor
# needs. Runs apt-get only when a package is missing. Elsewhere it installs
# nothing and says what the build needs.
set -euo pipefail

# qt6-charts-dev needs libqt6opengl6-dev for its CMake package without
# depending on it. libclang-rt-dev follows the default clang's version: the
# fuzz targets and clang's sanitizers need its runtimes.
editor_packages=(
  cmake ninja-build g++ pkg-config nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  qt6-l10n-tools qt6-tools-dev
)
test_packages=(
  libgtest-dev libgmock-dev
  clang libclang-rt-dev clang-format
  libbenchmark-dev libpugixml-dev
  xvfb xauth fonts-dejavu-core poppler-utils
  dpkg-dev lintian desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
  googletest g++-mingw-w64-x86-64-posix wine wine64
)
packages=("${editor_packages[@]}")
[ "${1:-}" = "--editor" ] || packages+=("${test_packages[@]}")

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  cat >&2 <<MSG
install-deps.sh: no dpkg-query or apt-get here, so nothing was installed.
Install with this system's package manager:
  the library:  CMake 3.25 or newer, Ninja and a C++20 compiler (nothing else)
  tsttool:      nlohmann-json 3
  the tests:    GoogleTest
  the editor:   Qt 6 (Widgets, Svg, PrintSupport, Charts, Test; the offscreen platform plugin;
                Linguist tools for the English translation)
  fuzz targets: clang with its libFuzzer and sanitizer runtimes
  format check: clang-format
  benchmarks:   Google Benchmark and pugixml
  Moodle XML:   pugixml (import and export; without it only GIFT and Aiken)
  screenshots:  Xvfb, xauth, the DejaVu fonts and pdftoppm (poppler)
  packages:     dpkg-dev, lintian, desktop-file-utils, AppStream, shared-mime-info,
                xdg-utils and File::MimeInfo
  Windows:      GoogleTest's sources, MinGW-w64 (POSIX threads) and Wine
On Debian 12 these are: ${packages[*]}
MSG
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
