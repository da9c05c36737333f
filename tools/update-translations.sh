#!/usr/bin/env bash
# Collects the texts of the editor and the runner (their cores and Qt layers)
# and of the library's messages into translations/quadrivo_en.ts with Qt's
# lupdate. Translations already there are kept; a new text comes in as
# unfinished, a text gone from the sources as obsolete and is dropped.
# Translate the new ones with Qt Linguist (linguist translations/quadrivo_en.ts)
# or in the file itself, then run tools/check-translations.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/translation-sources.sh
source tools/translation-sources.sh
"$LUPDATE" -silent -no-obsolete -locations relative -I "$PWD" "${QV_TRANSLATION_SOURCES[@]}" -ts translations/quadrivo_en.ts
