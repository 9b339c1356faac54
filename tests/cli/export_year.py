#!/usr/bin/env python3
"""Checks that `veltrano-cli export` prints a calendar for the year it stores,
for --year when that is given, and for the current year when the file has none.

usage: export_year.py PATH-TO-veltrano-cli
"""

import datetime
import os
import subprocess
import sys
import tempfile


def month_headings(cli, folder, content, *options):
    calendar = os.path.join(folder, "kalender.cal")
    pdf = os.path.join(folder, "kalender.pdf")
    with open(calendar, "wb") as f:
        f.write(content)
    subprocess.run([cli, "export", calendar, "--out", pdf, "--months", "1", "--no-title",
                    *options], check=True, capture_output=True, timeout=60)
    text = subprocess.run(["pdftotext", pdf, "-"], check=True, capture_output=True,
                          timeout=60).stdout.decode("utf-8")
    return [year for year in range(1900, 2101) if f"Januar {year}" in text]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    this_year = datetime.date.today().year
    cases = [
        (b"Feiertage;1\r\nJahr;2027\r\n", [], [2027]),
        (b"Feiertage;1\r\nJahr;2027\r\n", ["--year", "2030"], [2030]),
        (b"Feiertage;1\r\n", [], [this_year]),
        (b"Feiertage;1\r\nJahr;1899\r\n", [], [this_year]),
    ]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for content, options, expected in cases:
            shown = month_headings(cli, folder, content, *options)
            if shown != expected:
                failures.append(f"{content!r} {options}: January of {shown}, expected {expected}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
