#!/usr/bin/env python3
"""A list run against one process per reading, measured side by side in one run.

Writes lists of people (a few hundred distinct names and dates, some quoted), then times:
  - one process per reading: the single command line run for each of 200 people;
  - --batch --format jsonl over 100,000 rows (best of three), in readings per second;
  - peak resident memory of --batch --format jsonl over 1,000 and over 1,000,000 rows;
  - --batch --format pdf over 200 rows on one core (taskset) and on all of them.

    bench/listrun.py [--build-dir build-bench] [--report FILE]
"""

import argparse
import csv
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

NAMES = ["john", "mary", "ann", "paul", "rhys", "aeiou", "brr", "lee", "ren\u00e9e", "o'neil",
         "anne-marie", "smith", "emma", "wynn", "klm"]


def write_list(path, rows, seed=1):
    generator = random.Random(seed)
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write("first,middle,last,born\r\n")
        for _ in range(rows):
            out.write('%s,%s,"%s, jr",%04d-%02d-%02d\r\n' % (
                generator.choice(NAMES), generator.choice(NAMES), generator.choice(NAMES),
                generator.randint(1900, 2050), generator.randint(1, 12),
                generator.randint(1, 28)))


def seconds(command):
    """Wall seconds of one command."""
    start = time.monotonic()
    subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=False)
    return time.monotonic() - start


def peak_kib(command):
    """Peak resident memory of one command, by GNU time in a child of its own."""
    result = subprocess.run(["/usr/bin/time", "-f", "%M", *command], stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True, check=False)
    return int(result.stderr.strip().splitlines()[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", default="build-bench")
    parser.add_argument("--report", help="also write the table to this file")
    args = parser.parse_args()
    program = str((Path(args.build_dir) / "vorn-color-numerology").resolve())
    env_note = "%d cores, %s" % (os.cpu_count(), os.uname().machine)

    with tempfile.TemporaryDirectory(prefix="vorn-listrun-") as folder:
        folder = Path(folder)
        lists = {rows: folder / ("%d.csv" % rows) for rows in (200, 1000, 100000, 1000000)}
        for rows, path in lists.items():
            write_list(path, rows)

        with open(lists[200], encoding="utf-8", newline="") as source:
            people = list(csv.reader(source))[1:]
        start = time.monotonic()
        for first, middle, last, born in people:
            seconds([program, "--first", first, "--middle", middle, "--last", last, "--born", born,
                     "--format", "json"])
        single = len(people) / (time.monotonic() - start)

        batch_seconds = min(seconds([program, "--batch", str(lists[100000]), "--quiet"])
                            for _ in range(3))
        batch = 100000 / batch_seconds

        small = peak_kib([program, "--batch", str(lists[1000]), "--quiet"])
        large = peak_kib([program, "--batch", str(lists[1000000]), "--quiet"])

        pdf_rates = {}
        for label, prefix in (("one core", ["taskset", "-c", "0"]), ("all cores", [])):
            out = folder / ("pdfs-" + label.replace(" ", "-"))
            pdf_rates[label] = 200 / seconds([*prefix, program, "--batch", str(lists[200]),
                                              "--format", "pdf", "--output", str(out), "--quiet"])
            shutil.rmtree(out)

    lines = [
        "List runs (%s)" % env_note,
        "  one process per reading (--format json)   %10.0f readings/s" % single,
        "  --batch --format jsonl, 100,000 rows       %10.0f readings/s  (%.0f times)" % (
            batch, batch / single),
        "  peak memory, --batch jsonl, 1,000 rows     %10.1f MiB" % (small / 1024),
        "  peak memory, --batch jsonl, 1,000,000 rows %10.1f MiB" % (large / 1024),
        "  --batch --format pdf, one core             %10.1f PDFs/s" % pdf_rates["one core"],
        "  --batch --format pdf, all cores            %10.1f PDFs/s" % pdf_rates["all cores"],
    ]
    text = "\n".join(lines) + "\n"
    sys.stdout.write(text)
    if args.report:
        Path(args.report).parent.mkdir(parents=True, exist_ok=True)
        Path(args.report).write_text(text)


if __name__ == "__main__":
    main()
