#!/usr/bin/env bash
# Checks what a desktop gets from the project: the menu entries and the
# metadata pass their validators; a release build makes the Debian packages
# with `cpack -G DEB`; the packages unpack into a scratch root, whose
# tsttool and quadrivo-editor run; there a questionnaire is of our file type
# and opens with the editor; lintian finds no error in the packages.
#   tools/check-package.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(realpath -m "${1:-build-deb}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

desktop-file-validate packaging/*.desktop
appstreamcli validate --no-net packaging/*.metainfo.xml >/dev/null

# Debian installs under /usr, the libraries into their multiarch folder.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQV_TESTS=OFF -DCMAKE_REQUIRE_FIND_PACKAGE_Qt6=ON -DCMAKE_REQUIRE_FIND_PACKAGE_nlohmann_json=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
program_package=$(ls "$build"/quadrivo_*.deb)
dev_package=$(ls "$build"/quadrivo-dev_*.deb)

root=$scratch/root
dpkg -x "$program_package" "$root"
dpkg -x "$dev_package" "$root"
"$root/usr/bin/tsttool" check examples/geografia.tst
"$root/usr/bin/tsttool" --version
QT_QPA_PLATFORM=offscreen "$root/usr/bin/quadrivo-editor" --version
test -f "$root/usr/lib/$(gcc -print-multiarch)/cmake/Quadrivo/QuadrivoConfig.cmake"

# The file types and menu entries as a desktop sees them once the package's
# triggers have run: registered in a data folder of our own, with no user
# settings and no desktop environment to take precedence.
data=$scratch/share
mkdir -p "$data/mime/packages" "$data/applications" "$scratch/config"
cp "$root"/usr/share/mime/packages/*.xml "$data/mime/packages/"
cp "$root"/usr/share/applications/*.desktop "$data/applications/"
XDG_DATA_DIRS="$data:/usr/share" update-mime-database "$data/mime"
update-desktop-database "$data/applications"
cp examples/geografia-cifrato.tst "$scratch/compito"
printf '\n<!--- una prova --->\n<Test>\n</Test>\n' >"$scratch/prova"
cp examples/geografia.stu "$scratch/classe.stu"
query() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    XDG_DATA_HOME="$data" XDG_DATA_DIRS="$data:/usr/share" XDG_CONFIG_HOME="$scratch/config" \
    xdg-mime query "$@"
}
expect() {
  if [ "$1" != "$2" ]; then
    echo "check-package.sh: $3 gave '$1', not '$2'" >&2
    exit 1
  fi
}
expect "$(query filetype examples/geografia.tst)" application/x-quadrivo-test "the sample's type"
expect "$(query filetype "$scratch/compito")" application/x-quadrivo-test "a scrambled file's type"
expect "$(query filetype "$scratch/prova")" application/x-quadrivo-test "the type of a file with a comment first"
expect "$(query filetype "$scratch/classe.stu")" application/x-quadrivo-students "a student file's type"
expect "$(query default application/x-quadrivo-test)" org.example.quadrivo.Editor.desktop "the questionnaires' program"

# Errors fail the check; warnings are listed.
lintian --fail-on error --suppress-tags-from-file /dev/null "$program_package" "$dev_package"
echo "check-package.sh: $(basename "$program_package") and $(basename "$dev_package") are sound"
