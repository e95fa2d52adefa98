#!/usr/bin/env python3
"""Fails when a text of the program has no finished Japanese translation.

Runs lupdate over the sources into a copy of the .ts file, so that a text
added or changed in the code and not yet translated shows up as unfinished,
and a translation whose text left the code as vanished. Each translation must
also keep the source's %1, %2, ... markers, or the numbers it shows would be
lost.
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
    subprocess.run([lupdate, "-locations", "none", "-recursive", *inputs, "-ts", copy],
                   check=True, stdout=subprocess.DEVNULL)
    messages = ET.parse(copy).getroot().iter("message")

faults = []
count = 0
for message in messages:
    count += 1
    source = message.findtext("source") or ""
    translation = message.find("translation")
    kind = translation.get("type")
    text = translation.text or ""
    if kind in ("unfinished", "vanished", "obsolete") or not text.strip():
        faults.append(f"{kind or 'empty'}: {source[:60]!r}")
    elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
        faults.append(f"markers differ: {source[:60]!r} -> {text[:60]!r}")

for fault in faults:
    print(f"translations: {fault}", file=sys.stderr)
print(f"translations: {count} texts, {len(faults)} without a finished Japanese translation")
sys.exit(1 if faults or count == 0 else 0)
