#!/usr/bin/env python3
"""Fails when a text of the program has no finished Japanese translation.

Runs lupdate over the sources into a copy of the .ts file, so that a text
added or changed in the code and not yet translated shows up as unfinished,
and a translation whose text left the code as vanished; the core marks its
texts with phrase() and plural(). Each translation must also keep the
source's %1, %2, ... markers, or the numbers it shows would be lost. A plural
text keeps its %n in every form, and has its two English forms, which must
differ, in the English catalogue beside.
"""
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, sources, ts_file = sys.argv[1:4]
english_file = str(pathlib.Path(ts_file).with_name("coinwell_en.ts"))
# The browser edition's own texts: each pageText("...") of its TypeScript.
web_sources = sys.argv[4] if len(sys.argv) > 4 else None

with tempfile.TemporaryDirectory() as work:
    copy = f"{work}/coinwell_ja.ts"
    shutil.copy(ts_file, copy)
    inputs = [sources]
    if web_sources:
        texts = set()
        for path in pathlib.Path(web_sources).rglob("*.ts"):
            texts.update(re.findall(r"pageText\('((?:[^'\\]|\\.)*)'", path.read_text(encoding="utf-8")))
        listing = f"{work}/page_texts.js"
        with open(listing, "w", encoding="utf-8") as out:
            for text in sorted(texts):
                out.write(f"qsTranslate({json.dumps('coinwell::web::Page')}, {json.dumps(text)});\n")
        inputs.append(listing)
    subprocess.run([lupdate, "-locations", "none", "-recursive", "-tr-function-alias",
                    "QT_TRANSLATE_NOOP+=phrase,QT_TRANSLATE_N_NOOP+=plural", *inputs, "-ts", copy],
                   check=True, stdout=subprocess.DEVNULL)
    messages = list(ET.parse(copy).getroot().iter("message"))

english = {m.findtext("source"): [f.text or "" for f in m.iter("numerusform")]
           for m in ET.parse(english_file).getroot().iter("message")}
faults = []
for message in messages:
    source = message.findtext("source") or ""
    translation = message.find("translation")
    kind = translation.get("type")
    plural = message.get("numerus") == "yes"
    texts = [f.text or "" for f in translation.iter("numerusform")] if plural else [translation.text or ""]
    if kind in ("unfinished", "vanished", "obsolete") or not all(text.strip() for text in texts):
        faults.append(f"{kind or 'empty'}: {source[:60]!r}")
        continue
    if plural:
        forms = english.get(source, [])
        if len(forms) != 2 or forms[0] == forms[1]:
            faults.append(f"no English singular and plural: {source[:60]!r}")
        texts += forms
    for text in texts:
        if sorted(re.findall(r"%[\dn]", source)) != sorted(re.findall(r"%[\dn]", text)):
            faults.append(f"markers differ: {source[:60]!r} -> {text[:60]!r}")

for fault in faults:
    print(f"translations: {fault}", file=sys.stderr)
print(f"translations: {len(messages)} texts, {len(faults)} without a finished Japanese translation")
sys.exit(1 if faults or not messages else 0)
