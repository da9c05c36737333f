# Sourced by update-translations.sh and check-translations.sh: where lupdate
# is and which sources hold the programs' texts.
LUPDATE=${LUPDATE:-$(command -v lupdate || true)}
[ -n "$LUPDATE" ] || LUPDATE=/usr/lib/qt6/bin/lupdate
if [ ! -x "$LUPDATE" ]; then
  echo "lupdate not found: install Qt 6's Linguist tools (tools/install-deps.sh)" >&2
  exit 1
fi
# The Qt layers' headers name the classes whose tr() texts their sources hold.
mapfile -t QV_TRANSLATION_SOURCES < <(git ls-files --cached --others --exclude-standard \
  'editor/core/*.cpp' 'editor/qt/*.cpp' 'editor/qt/*.h' 'runner/core/*.cpp' 'runner/qt/*.cpp' 'runner/qt/*.h' \
  'translations/*.cpp' | grep -v '_test\.cpp$')
