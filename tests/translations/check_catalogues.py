#!/usr/bin/env python3
"""Checks the shipped translation catalogues (.ts): every text translated and
current (no unfinished, vanished or obsolete entries), and every translation
keeping its source's placeholders (%1, %L2, %n) and numbers. Prints one line
a fault and exits 1 when there is any."""

import os
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:\d{1,2}|n)")
NUMBER = re.compile(r"\d+")


def placeholders(text):
    return sorted(m.replace("%L", "%") for m in PLACEHOLDER.findall(text))


def numbers(text):
    return sorted(NUMBER.findall(PLACEHOLDER.sub(" ", text)))


def check(path):
    faults = []
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as error:
        return ["%s: cannot be read: %s" % (path, error)]
    # The programs' catalogues translate their Spanish; those of Qt's own
    # texts ("qt_CODE.ts") translate Qt's English.
    expected = "en" if os.path.basename(path).startswith("qt_") else "es"
    if root.get("sourcelanguage") != expected:
        faults.append("%s: the source language is not %s" % (path, expected))
    count = 0
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source", "")
            where = "%s: %s: %r" % (path, name, source)
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                faults.append("%s: %s" % (where, kind))
                continue
            forms = translation.findall("numerusform")
            texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
            for text in texts:
                if not text.strip() and source.strip():
                    faults.append("%s: empty translation" % where)
                elif placeholders(text) != placeholders(source) and not (
                    forms and set(placeholders(text)) <= set(placeholders(source))
                ):
                    faults.append("%s: placeholders %s become %s in %r" % (
                        where, placeholders(source), placeholders(text), text))
                elif numbers(text) != numbers(source):
                    faults.append("%s: numbers %s become %s in %r" % (
                        where, numbers(source), numbers(text), text))
    if count == 0:
        faults.append("%s: no texts" % path)
    return faults


def main(paths):
    if not paths:
        print("usage: check_catalogues.py FILE.ts ...", file=sys.stderr)
        return 2
    faults = [fault for path in paths for fault in check(path)]
    for fault in faults:
        print(fault)
    print("%d catalogue(s) checked, %d fault(s)" % (len(paths), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
