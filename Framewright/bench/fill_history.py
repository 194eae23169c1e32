#!/usr/bin/env python3
"""Writes N finished calculations into a Framewright history store (for benchmarks and screenshots).

    Framewright/bench/fill_history.py STORE N [--lines 3] [--minutes-apart 1]

STORE is the program's SQLite file (XDG_DATA_HOME/Framewright/CalculationHistoryModel.sqlite);
start the program on it once first so its tables exist. Rows are written in the store's table
layout (one table per entity, "_pk" row keys, dates as microseconds since 1970, UUIDs as 16-byte
blobs, each line's "calculation" column naming its calculation's row), in one transaction, the
newest calculation last and `--minutes-apart` minutes after the one before, ending now.
"""
import argparse
import os
import sqlite3
import sys
import time
import uuid

# (value, format) of each display slot for a few recognisable sums; the secondaries are the
# top-left, top-right and bottom-left slots.
PATTERNS = [
    [("00:00:10:00", "25", [("250", "Frames"), ("15:10", "FT:FRM 35mm"), ("00:00:10:10", "24")]),
     ("00:01:02:12", "25", [("1562", "Frames"), ("97:10", "FT:FRM 35mm"), ("00:01:05:02", "24")]),
     ("00:01:12:12", "25", [("1812", "Frames"), ("113:04", "FT:FRM 35mm"), ("00:01:15:12", "24")])],
    [("1500", "Frames", [("00:01:00:00", "25"), ("93:12", "FT:FRM 35mm"), ("00:00:50:00", "29.97DF")]),
     ("4", "DECIMAL", []),
     ("6000", "Frames", [("00:04:00:00", "25"), ("375:00", "FT:FRM 35mm"), ("00:03:20:06", "29.97DF")])],
    [("01:00:00;00", "29.97DF", [("107892", "Frames"), ("6743:04", "FT:FRM 35mm"), ("01:11:55:12", "25")]),
     ("00:00:30;00", "29.97DF", [("900", "Frames"), ("56:04", "FT:FRM 35mm"), ("00:00:36:00", "25")]),
     ("01:00:30;00", "29.97DF", [("108792", "Frames"), ("6799:08", "FT:FRM 35mm"), ("01:12:31:12", "25")])],
]
OPERATIONS_BY_PATTERN = [["add", "add", "result"], ["multiply", "none", "result"], ["add", "add", "result"]]


def fill(store, count, lines=3, minutes_apart=1.0):
    if not os.path.exists(store):
        sys.exit(f"{store} does not exist: start the program on it once first")
    db = sqlite3.connect(store)
    now = int(time.time() * 1_000_000)
    step = int(minutes_apart * 60 * 1_000_000)
    with db:
        for n in range(count):
            pattern = PATTERNS[n % len(PATTERNS)]
            operations = OPERATIONS_BY_PATTERN[n % len(PATTERNS)]
            stamp = now - (count - 1 - n) * step
            cursor = db.execute('INSERT INTO "Calculation" ("id", "isComplete", "lastModified") VALUES (?, 1, ?)',
                                (uuid.uuid4().bytes, stamp))
            calculation = cursor.lastrowid
            for index in range(lines):
                value, fmt, secondaries = pattern[index % len(pattern)]
                slots = list(secondaries) + [(None, None)] * (3 - len(secondaries))
                operation = "result" if index == lines - 1 else operations[index % (len(operations) - 1)]
                db.execute('INSERT INTO "Operation" ("id", "index", "operation", "primaryValue", "primaryFormat", '
                           '"secondaryTopLeftValue", "secondaryTopLeftFormat", "secondaryTopRightValue", '
                           '"secondaryTopRightFormat", "secondaryBottomLeftValue", "secondaryBottomLeftFormat", '
                           '"calculation") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)',
                           (uuid.uuid4().bytes, index, operation, value, fmt, slots[0][0], slots[0][1],
                            slots[1][0], slots[1][1], slots[2][0], slots[2][1], calculation))
    db.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("store")
    parser.add_argument("count", type=int)
    parser.add_argument("--lines", type=int, default=3)
    parser.add_argument("--minutes-apart", type=float, default=1.0)
    args = parser.parse_args()
    fill(args.store, args.count, args.lines, args.minutes_apart)


if __name__ == "__main__":
    main()
