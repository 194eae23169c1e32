#!/usr/bin/env python3
"""Every translation is complete and consistent, and lupdate finds nothing new.

  translations_complete.py <lupdate> <source list file> <lupdate option>... -- <.ts file>...

For each .ts file: no message unfinished, vanished or obsolete, none empty; each translation has
the placeholders of its source (%1..%99, %n, %L1, as many of each) and as many accelerator marks
("&x", not "&&"). Then lupdate runs with the build's options over copies of the files and must
change none of them: a text added to the sources without its translations fails here.
"""
import collections
import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:\d{1,2}|n)")
ACCELERATOR = re.compile(r"&(?!&)(?=\S)")


def marks(text):
    text = text.replace("&&", "")
    return (collections.Counter(PLACEHOLDER.findall(text)), len(ACCELERATOR.findall(text)))


def problems_of(ts_path):
    problems = []
    root = ET.parse(ts_path).getroot()
    if not root.get("language"):
        problems.append("no language attribute")
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = "{}: {!r}".format(name, source)
            translation = message.find("translation")
            if translation is None:
                problems.append(where + ": no translation")
                continue
            kind = translation.get("type")
            if kind:
                problems.append("{}: {}".format(where, kind))
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
                else [translation.text or ""]
            for form in forms:
                if not form.strip():
                    problems.append(where + ": empty translation")
                elif marks(form) != marks(source):
                    problems.append("{}: placeholders or accelerators differ in {!r}".format(where, form))
    return problems


def main(argv):
    split = argv.index("--")
    lupdate, source_list, options = argv[1], argv[2], argv[3:split]
    ts_files = argv[split + 1:]
    failures = []
    for ts in ts_files:
        failures += ["{}: {}".format(os.path.basename(ts), p) for p in problems_of(ts)]

    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        run = subprocess.run([lupdate] + options + ["@" + source_list, "-ts"] + copies,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != 0:
            failures.append("lupdate failed:\n" + run.stdout)
        for ts, copy in zip(ts_files, copies):
            if not filecmp.cmp(ts, copy, shallow=False):
                diff = subprocess.run(["diff", "-u", ts, copy], stdout=subprocess.PIPE, text=True).stdout
                failures.append("{}: lupdate changes it (run the update_translations target and translate):\n{}"
                                .format(os.path.basename(ts), diff))

    for failure in failures:
        print("FAIL: " + failure)
    if not failures:
        print("PASS: {} translation files complete".format(len(ts_files)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
