#!/usr/bin/env python3
"""Checks `veltrano-cli show FILE --json` against a reading of the ".cal" format
made here, from the format's description, for a set of files: the ones in a
data folder and, with --generated N, N generated ones (seeded, so every run is
the same). The files are checked two at a time.

usage: show_reference.py VELTRANO_CLI DATA_FOLDER [--generated N]
"""

import json
import os
import re
from concurrent.futures import ThreadPoolExecutor
import random
import re
import subprocess
import sys
import tempfile

INT_MIN, INT_MAX = -2**31, 2**31 - 1
KEYS = ("bild", "text", "feiertage", "bundesland", "colors", "rand",
        "titeltext", "titelbild", "fontsize", "bildtext", "wochen", "jahr", "ausschnitt")
CANNOT_OPEN = ("Fehler beim \u00d6ffnen\n"
               "Die gew\u00e4hlte Kalenderdatei konnte nicht geladen werden.\n")


def new_calendar():
    return {"showHolidays": 1, "region": 0, "dayFrames": 0, "margins": [25, 30, 25, 20],
            "fontSize": 12, "weekNumbers": 0, "titlePhoto": "", "titleText": "",
            "monthPhoto": [""] * 12, "monthText": [""] * 12,
            "dayText": [[""] * 31 for _ in range(12)],
            "dayColour": [[0] * 31 for _ in range(12)], "year": None, "crop": {}}


def crop_values(tokens):
    """The five fields of a crop record when each is a whole number alone and
    they name a page 0..12 and a rectangle inside 0..10000 with area."""
    fields = (tokens + [""] * 6)[1:6]
    if not all(re.fullmatch(r"[ \t\r\n\v\f]*[+-]?[0-9]+", f) for f in fields):
        return None
    page, left, top, right, bottom = (number(f) for f in fields)
    if not (0 <= page <= 12 and 0 <= left < right <= 10000 and 0 <= top < bottom <= 10000):
        return None
    return [page, left, top, right, bottom]


def decode(line):
    """A line as text: UTF-8 when it is valid, else Windows-1252 (the five
    bytes that code page leaves open stand for the C1 control of that value)."""
    try:
        return line.decode("utf-8")
    except UnicodeDecodeError:
        return "".join(chr(b) if b in (0x81, 0x8D, 0x8F, 0x90, 0x9D)
                       else bytes([b]).decode("cp1252") for b in line)


def number(text):
    """C's string-to-integer reading, saturated to 32 bits."""
    i = 0
    while i < len(text) and text[i] in " \t\r\n\v\f":
        i += 1
    sign = 1
    if i < len(text) and text[i] in "+-":
        sign = -1 if text[i] == "-" else 1
        i += 1
    digits = ""
    while i < len(text) and text[i] in "0123456789":
        digits += text[i]
        i += 1
    value = sign * int(digits) if digits else 0
    return max(INT_MIN, min(INT_MAX, value))


def ascii_lower(text):
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def read_calendar(data):
    """The calendar in the file's bytes, or None when the file is refused."""
    cal = new_calendar()
    # A line ends at CR LF, at LF or at CR alone.
    lines = re.split(b"\r\n|\r|\n", data)
    if lines and lines[-1] == b"":
        lines.pop()
    recognised = False
    for raw in lines:
        line = decode(raw)
        tokens = line.split(";")
        tok = lambda i: tokens[i] if i < len(tokens) else ""
        rest = lambda n: ";".join(tokens[n:])
        key = ascii_lower(tokens[0].strip(" "))
        if key not in KEYS:
            continue
        recognised = True
        if key == "bild":
            m = number(tok(1))
            if 0 <= m <= 11:
                cal["monthPhoto"][m] = rest(2)
        elif key == "text":
            m, d = number(tok(1)), number(tok(2))
            if 0 <= m <= 11 and 0 <= d <= 30:
                cal["dayText"][m][d] = tok(4).replace("<br>", "\r\n")
                colour = number(tok(3))
                cal["dayColour"][m][d] = colour if 0 <= colour <= 4 else 0
        elif key == "feiertage":
            cal["showHolidays"] = number(tok(1))
        elif key == "bundesland":
            cal["region"] = number(tok(1))
        elif key == "colors":
            cal["dayFrames"] = number(tok(1))
        elif key == "rand":
            cal["margins"] = [number(tok(i)) for i in range(1, 5)]
        elif key == "titeltext":
            cal["titleText"] = tok(1).replace("<br>", "\r\n")
        elif key == "titelbild":
            cal["titlePhoto"] = rest(1)
        elif key == "fontsize":
            cal["fontSize"] = number(tok(1))
        elif key == "wochen":
            # Only 1 switches week numbers on; anything else counts as absent.
            cal["weekNumbers"] = 1 if number(tok(1)) == 1 else 0
        elif key == "bildtext":
            m = number(tok(1))
            if 0 <= m <= 11:
                cal["monthText"][m] = tok(2)
        elif key == "jahr":
            year = number(tok(1))
            cal["year"] = year if 1900 <= year <= 2100 else None
        elif key == "ausschnitt":
            crop = crop_values(tokens)
            if crop:
                cal["crop"][crop[0]] = crop
    if data and not recognised:
        return None
    texts, colours = cal.pop("dayText"), cal.pop("dayColour")
    cal["days"] = [{"month": m, "day": d, "colour": colours[m][d], "text": texts[m][d]}
                   for m in range(12) for d in range(31) if texts[m][d] or colours[m][d]]
    crops = cal.pop("crop")
    cal["crop"] = [crops[page] for page in sorted(crops)]
    return cal


def random_text(rng):
    pieces = ["Feier", "ab 18 Uhr", ";", "<br>", "<BR>", " ", "\x00", "\t", "\"", "\\",
              "\u00e4\u00f6\u00fc\u00df", "\u20ac", "\U0001f389", "\r"]
    return "".join(rng.choice(pieces) for _ in range(rng.randint(0, 6)))


def random_key(rng):
    key = "text" if rng.random() < 0.4 else rng.choice(KEYS + ("fontsize2", "region", "", "b t"))
    key = "".join(c.upper() if rng.random() < 0.3 else c for c in key)
    return " " * rng.randint(0, 2) + key + " " * rng.randint(0, 2)


def random_number(rng):
    return rng.choice([str(rng.randint(-2, 32)), str(rng.randint(0, 11)), str(rng.randint(0, 11)),
                       str(rng.randint(-2, 9)), "", " +3x", "99999999999", "-99999999999",
                       "0x10", "\t7", "2027", " 1900", "1899", "2101"])


def random_file(rng):
    """A mix of well-formed, odd and broken lines, partly in Windows-1252."""
    lines = []
    for _ in range(rng.randint(0, 60)):
        fields = [random_key(rng)] + [random_number(rng) for _ in range(rng.randint(0, 4))]
        if rng.random() < 0.7:
            fields.append(random_text(rng))
        line = ";".join(fields)
        encoding = "cp1252" if rng.random() < 0.2 else "utf-8"
        raw = line.encode(encoding, errors="replace")
        if rng.random() < 0.03:
            raw = bytes(rng.randrange(256) for _ in range(rng.randint(1, 30)))
        lines.append(raw + rng.choice([b"\n", b"\r\n", b"\r\r\n"]))
    data = b"".join(lines)
    if data and rng.random() < 0.3:
        data = data.rstrip(b"\n") + rng.choice([b"", b"\r"])
    return data


def check(cli, path, data, with_summary):
    failures = []
    check_into(cli, path, data, with_summary, failures)
    return failures


def check_into(cli, path, data, with_summary, failures):
    expected = read_calendar(data) if data is not None else None
    run = subprocess.run([cli, "show", path, "--json"], capture_output=True, timeout=60)
    name = os.path.basename(path)
    if expected is None:
        if run.returncode != 1 or run.stdout or run.stderr.decode("utf-8") != CANNOT_OPEN:
            failures.append(f"{name}: expected refusal, got exit {run.returncode}, "
                            f"stdout {run.stdout[:200]!r}, stderr {run.stderr[:200]!r}")
        return
    if run.returncode != 0:
        failures.append(f"{name}: exit {run.returncode}, stderr {run.stderr[:200]!r}")
        return
    if run.stdout.count(b"\n") != 1 or not run.stdout.endswith(b"\n"):
        failures.append(f"{name}: output is not one line")
    try:
        actual = json.loads(run.stdout.decode("utf-8"))
    except (UnicodeDecodeError, json.JSONDecodeError) as error:
        failures.append(f"{name}: output is not UTF-8 JSON: {error}")
        return
    if with_summary:
        summary = subprocess.run([cli, "show", path], capture_output=True, timeout=60)
        font_line = f"Font size:    {expected['fontSize']} pt\n".encode()
        if summary.returncode != 0 or font_line not in summary.stdout:
            failures.append(f"{name}: readable summary: exit {summary.returncode}, "
                            f"stdout {summary.stdout[:200]!r}")
    if actual != expected:
        for field in expected:
            if actual.get(field) != expected[field]:
                failures.append(f"{name}: {field}: expected {expected[field]!r}, "
                                f"got {actual.get(field)!r}")
        if set(actual) != set(expected):
            failures.append(f"{name}: fields {sorted(actual)} instead of {sorted(expected)}")


def main():
    args = sys.argv[1:]
    generated = 0
    if len(args) == 4 and args[2] == "--generated" and args[3].isdigit():
        generated = int(args[3])
        args = args[:2]
    if len(args) != 2:
        sys.exit(__doc__)
    cli, data_folder = args
    jobs = []
    for name in sorted(os.listdir(data_folder)):
        if name.endswith(".cal"):
            path = os.path.join(data_folder, name)
            with open(path, "rb") as f:
                jobs.append((path, f.read()))
    rng = random.Random(20240115)
    with tempfile.TemporaryDirectory() as folder:
        if generated:
            jobs.append((os.path.join(folder, "missing.cal"), None))
        for i in range(generated):
            path = os.path.join(folder, f"random{i:03d}.cal")
            data = random_file(rng)
            with open(path, "wb") as f:
                f.write(data)
            jobs.append((path, data))
        # The readable summary shares the reading with --json; every fourth file
        # is enough to see that it reports what was read.
        with ThreadPoolExecutor(max_workers=2) as pool:
            runs = pool.map(lambda i: check(cli, *jobs[i], i % 4 == 0), range(len(jobs)))
            failures = [f for result in runs for f in result]
    for failure in failures:
        print(failure)
    print(f"{len(jobs)} files, {len(failures)} differences")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
