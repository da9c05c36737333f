#!/usr/bin/env bash
# Checks that translations/quadrivo_en.ts is up to date with the sources and
# that every text has a finished English translation: lupdate run into a
# copy must find nothing new and nothing gone, and no message may be
# unfinished or empty. Lists each text to translate; fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/translation-sources.sh
source tools/translation-sources.sh
ts=translations/quadrivo_en.ts
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$ts" "$scratch/fresh.ts"
"$LUPDATE" -silent -no-obsolete -locations relative -I "$PWD" "${QV_TRANSLATION_SOURCES[@]}" -ts "$scratch/fresh.ts"

python3 - "$ts" "$scratch/fresh.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET

def text(element):
    # lupdate writes a carriage return as <byte value="xd"/>.
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        parts.append("\r" if child.tag == "byte" else "")
        parts.append(child.tail or "")
    return "".join(parts)

def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, text(message.find("source")))] = message.find("translation")
    return found

kept, fresh = messages(sys.argv[1]), messages(sys.argv[2])
problems = []
for key in sorted(fresh.keys() - kept.keys()):
    problems.append("new text, run tools/update-translations.sh: [%s] %r" % key)
for key in sorted(kept.keys() - fresh.keys()):
    problems.append("text gone from the sources, run tools/update-translations.sh: [%s] %r" % key)
for key, translation in sorted(fresh.items()):
    if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete") \
            or not text(translation).strip():
        problems.append("untranslated: [%s] %r" % key)
for line in problems:
    print(line)
if problems:
    print("%d problem(s) in %s" % (len(problems), sys.argv[1]))
    sys.exit(1)
print("Translations: %d texts, every one translated." % len(fresh))
PY
