#!/usr/bin/env python3
"""Checks `veltrano-cli import-birthdays` against a reading of the vdt record
files written here from the file format alone.

For a series of generated contact and appointment files (free areas, foreign
record types, damaged blocks, chains past the end, short payloads, odd text
counts, Windows-1252 texts) the generator notes, piece by piece as it writes
them, which birthday each record carries and which blocks are damaged. From
those notes alone the script knows which birthdays land on which day, the
count the tool must report, and the bytes the record file must hold afterwards
(damaged blocks zeroed, nothing else changed). It then runs the tool with the
product folders registered under a temporary XDG_CONFIG_HOME and compares the
written calendar, the message and the record file. A record file that cannot
be read, or is missing, fails the import without writing anything.

usage: import_reference.py PATH-TO-veltrano-cli
"""

import os
import random
import struct
import subprocess
import sys
import tempfile

BLOCK = 256
PAYLOAD = 248
CONTACT, APPOINTMENT = 11, 1


# ---------------------------------------------------------------- expectations


def decode_1252(raw):
    """Windows-1252 to text; the five unassigned bytes stand for themselves."""
    out = []
    for b in raw:
        try:
            out.append(bytes([b]).decode("cp1252"))
        except UnicodeDecodeError:
            out.append(chr(b))
    return "".join(out)


def expected_days(birthdays, start):
    """Day texts and colours after the import, and the number placed, from the
    birthdays the file holds in file order ((month, day), name bytes)."""
    collected, placed = {}, 0
    for (month, day), name in birthdays:
        text = decode_1252(name)
        key = (month - 1, day - 1)
        earlier = collected.get(key, "")
        collected[key] = earlier + "\r\n" + text if earlier else text
        placed += 1
    days = dict(start)
    for key, text in collected.items():
        if text:
            days[key] = (text, 1)
    return days, placed


def calendar_day_lines(days):
    """The "Text" records a saved calendar holds for these days, in file order."""
    lines = []
    for (month, day) in sorted(days):
        text, colour = days[(month, day)]
        if text or colour > 0:
            text = text.replace("\r", "").replace("\n", "<br>").replace(";", ",")
            lines.append(f"Text;{month};{day};{colour};{text}")
    return lines


# ---------------------------------------------------------------- writing


def packed(day, month, year):
    return day | month << 8 | year << 16


def record_blocks(kind, record_id, payload):
    n = max(1, (len(payload) + PAYLOAD - 1) // PAYLOAD)
    out = b""
    for i in range(n):
        part = payload[i * PAYLOAD:(i + 1) * PAYLOAD]
        out += struct.pack("<BBBBI", 1, i, n, kind, record_id) + part + bytes(PAYLOAD - len(part))
    return out


def random_text(rng):
    alphabet = [b"a", b"Z", b" ", b";", b"\xe4", b"\xdf", b"\x80", b"\x81", b"\n", b"\r\n", b"-"]
    return b"".join(rng.choice(alphabet) for _ in range(rng.randint(0, 12)))


def random_date(rng):
    """A packed date and the (month, day) the import takes from it, None where it
    must refuse it (empty, day or month out of range, year after 2100)."""
    choice = rng.random()
    if choice < 0.15:
        return 0, None
    if choice < 0.2:
        return packed(29, 2, rng.choice([1980, 1981])), (2, 29)
    if choice < 0.25:
        day, month = rng.choice([(0, 2), (32, 5), (31, 13), (12, 0)])
        return packed(day, month, 1970), None
    if choice < 0.3:
        day, month = rng.randint(1, 28), rng.randint(1, 12)
        year = rng.choice([85, 3000, 2100])
        return packed(day, month, year), None if year > 2100 else (month, day)
    day, month = rng.randint(1, 31), rng.randint(1, 12)
    return packed(day, month, rng.randint(1900, 2020)), (month, day)


# A payload cut to this many bytes or fewer holds no byte of its date (contacts
# keep it at byte 8, appointments at byte 4), so nothing is found in it.
DATELESS = 4


def shortened(rng, payload, whole_from):
    """The payload, one time in ten cut short: either before the date (nothing
    is found) or somewhere after byte whole_from (the birthday stays whole).
    Returns the payload and whether the birthday survived."""
    if rng.random() >= 0.1:
        return payload, True
    if rng.random() < 0.5:
        return payload[:rng.randint(0, DATELESS)], False
    return payload[:rng.randint(min(whole_from, len(payload)), len(payload))], True


def contact_record(rng):
    """A contact payload and its birthday ((month, day), name) or None."""
    count = rng.choice([17, 17, 17, 20, 3, 2, 0, -4])
    texts = [random_text(rng) for _ in range(max(count, 0))]
    if count > 2 and rng.random() < 0.1:
        texts[2] = b"x" * rng.randint(300, 900)  # a record of several blocks
    date, when = random_date(rng)
    payload = struct.pack("<IiI", packed(1, 1, 2000), 5, date) + bytes(13)
    payload += struct.pack("<i", count) + b"".join(t + b"\0" for t in texts)
    name = texts[2] if count > 2 else b""
    # The name is the third text; texts start at byte 29, each ends in a zero.
    name_end = 29 + sum(len(t) + 1 for t in texts[:3]) if count > 2 else 29
    payload, whole = shortened(rng, payload, name_end)
    return payload, (when, name) if whole and when is not None else None, name_end


def appointment_record(rng):
    """An appointment payload and its birthday, None unless it is of kind 2."""
    kind = rng.choice([2, 2, 2, 1, 3, 0])
    date, when = random_date(rng)
    text = random_text(rng)
    payload = struct.pack("<iII", kind, date, 0) + b"\x09\x1e\xff\x00"
    payload += text + b"\0" + bytes(4 * 5 + 2 + 4 + 2 + 4 + 4 + 1 + 4 + 4)
    listed = rng.choice([0, 0, 3, 50000])
    payload += struct.pack("<i", listed) + bytes(4 * min(listed, 200))
    text_end = 16 + len(text) + 1
    payload, whole = shortened(rng, payload, text_end)
    found = kind == 2 and whole and when is not None
    return payload, (when, text) if found else None, text_end


def random_file(rng, record_type, pieces=None):
    """A record file and what it holds: the birthdays of its records of
    record_type in file order, and the offsets of its damaged blocks."""
    make = contact_record if record_type == CONTACT else appointment_record
    other = APPOINTMENT if record_type == CONTACT else CONTACT
    data = struct.pack("<BBBBI", 1, 0, 0, 0, 1000) + bytes(248)
    birthdays, damaged = [], []
    next_id = 1
    for _ in range(rng.randint(0, 60) if pieces is None else pieces):
        roll = rng.random()
        next_id += 1
        if roll < 0.55:
            payload, birthday, _ = make(rng)
            data += record_blocks(record_type, next_id, payload)
            if birthday:
                birthdays.append(birthday)
        elif roll < 0.65:
            data += record_blocks(rng.choice([other, 5]), next_id, bytes(rng.randint(1, 600)))
        elif roll < 0.75:  # a free area of n blocks
            n = rng.randint(0, 4)
            data += struct.pack("<BBB", 0, 0, n) + bytes(253) + bytes(BLOCK * max(n - 1, 0))
        elif roll < 0.8:  # a block left over from a broken record: zeroed by the scan
            big = 100000001 + rng.randint(0, 5)
            damaged.append(len(data))
            data += struct.pack("<BBBBI", rng.randint(2, 255), 2, 3, record_type, big) + bytes(
                [rng.randint(0, 255) for _ in range(248)])
        elif roll < 0.85:  # the same, but continued: read as a record of its three blocks
            big = 100000001 + rng.randint(0, 5)
            payload, birthday, whole_from = make(rng)
            while whole_from > 3 * PAYLOAD:  # its birthday must lie in the three blocks
                payload, birthday, whole_from = make(rng)
            payload = payload[:3 * PAYLOAD] + bytes(max(0, 3 * PAYLOAD - len(payload)))
            heads = [(rng.randint(2, 255), 2), (1, 3), (1, 4)]
            for i, (state, position) in enumerate(heads):
                data += struct.pack("<BBBBI", state, position, 3, record_type, big)
                data += payload[i * PAYLOAD:(i + 1) * PAYLOAD]
            if birthday:
                birthdays.append(birthday)
        elif roll < 0.9:  # a live block without a block count: an empty record
            data += struct.pack("<BBBBI", 1, 0, 0, record_type, next_id) + bytes(248)
        else:  # a block of an unknown record type with arbitrary content
            data += struct.pack("<BBBBI", 1, 0, 1, 7, next_id)
            data += bytes([rng.randint(0, 255) for _ in range(PAYLOAD)])
    ending = rng.random()
    if ending < 0.2:
        data += struct.pack("<BBBBI", 1, 0, 9, record_type, 77) + bytes(248)  # chain past the end
    elif ending < 0.4:  # a one-block record cut off at the end; zeros stand for the rest
        payload, birthday, whole_from = make(rng)
        blocks = record_blocks(record_type, 78, payload)
        if len(blocks) == BLOCK and 8 + whole_from <= BLOCK and rng.random() < 0.5:
            data += blocks[:rng.randint(8 + whole_from, BLOCK)]
            if birthday:
                birthdays.append(birthday)
        else:
            data += blocks[:rng.randint(8, 8 + DATELESS)]
    elif damaged and damaged[-1] == len(data) - BLOCK:
        # A broken block shows as broken only by the block after it; as the
        # file's last block it is left as it is (and its chain ends the scan).
        damaged.pop()
    return data, birthdays, damaged


def zero_blocks(data, offsets):
    data = bytearray(data)
    for offset in offsets:
        data[offset:offset + BLOCK] = bytes(BLOCK)
    return bytes(data)


# ---------------------------------------------------------------- running


def write_settings(config, product, folder, quoted):
    os.makedirs(os.path.join(config, "Kolbrand"), exist_ok=True)
    value = '"' + folder.replace("\\", "\\\\") + '"' if quoted else folder
    with open(os.path.join(config, "Kolbrand", product + ".conf"), "w", encoding="utf-8") as f:
        f.write(f"[General]\nPath=/nowhere\n\n[{product}]\nPath={value}\nVersion=2\n")


def run(cli, env, *args):
    return subprocess.run([cli, "import-birthdays", *args], capture_output=True, env=env,
                          check=False)


def check_case(cli, work, env, record_type, generated, start, problems, label):
    data, birthdays, damaged = generated
    folder = os.path.join(work, "murello" if record_type == CONTACT else "tessaplan")
    name = "kontakte.vdt" if record_type == CONTACT else "termine.vdt"
    vdt = os.path.join(folder, "daten", name)
    with open(vdt, "wb") as f:
        f.write(data)
    after = zero_blocks(data, damaged)
    days, placed = expected_days(birthdays, start)

    calendar = os.path.join(work, "in.cal")
    out_file = os.path.join(work, "out.cal")
    for path in (calendar, out_file):
        if os.path.exists(path):
            os.remove(path)
    if start:
        with open(calendar, "w", encoding="utf-8", newline="") as f:
            f.write("Feiertage;1\r\n" + "".join(line + "\r\n" for line in calendar_day_lines(start)))
    source = "contacts" if record_type == CONTACT else "appointments"
    result = run(cli, env, calendar, "--from", source, "--out", out_file)
    if result.returncode != 0:
        problems.append(f"{label}: exit {result.returncode}: {result.stderr[:300]!r}")
        return
    message = f"Es wurden {placed} Geburtstag(e) im Kalender eingetragen."
    if message not in result.stdout.decode("utf-8", "replace"):
        problems.append(f"{label}: expected {message!r}, got {result.stdout[:300]!r}")
    with open(out_file, "rb") as f:
        written = f.read().decode("utf-8").split("\r\n")
    got = [line for line in written if line.startswith("Text;")]
    want = calendar_day_lines(days)
    if got != want:
        problems.append(f"{label}: day records differ\n  got  {got[:8]}\n  want {want[:8]}")
    with open(vdt, "rb") as f:
        if f.read() != after:
            problems.append(f"{label}: record file not as the scan must leave it")


def check_not_installed(cli, work, env, problems):
    config = env["XDG_CONFIG_HOME"]
    os.rename(os.path.join(config, "Kolbrand", "Murello2.conf"), os.path.join(work, "saved.conf"))
    out_file = os.path.join(work, "never.cal")
    result = run(cli, env, os.path.join(work, "none.cal"), "--from", "contacts", "--out", out_file)
    os.rename(os.path.join(work, "saved.conf"), os.path.join(config, "Kolbrand", "Murello2.conf"))
    if result.returncode != 1 or os.path.exists(out_file):
        problems.append(f"not installed: exit {result.returncode}, output written: "
                        f"{os.path.exists(out_file)}")
    if b"Murello nicht gefunden" not in result.stdout:
        problems.append(f"not installed: message 139 missing: {result.stdout[:200]!r}")


def check_failed_read(cli, work, env, problems):
    """A record file that cannot be read fails the import: exit 1, nothing written."""
    vdt = os.path.join(work, "murello", "daten", "kontakte.vdt")
    os.remove(vdt)
    os.mkdir(vdt)  # a folder where the file should be
    out_file = os.path.join(work, "never.cal")
    result = run(cli, env, os.path.join(work, "none.cal"), "--from", "contacts", "--out", out_file)
    os.rmdir(vdt)
    if result.returncode != 1 or os.path.exists(out_file):
        problems.append(f"unreadable file: exit {result.returncode}, output written: "
                        f"{os.path.exists(out_file)}")
    if "Geburtstage nicht importiert" not in result.stderr.decode("utf-8", "replace"):
        problems.append(f"unreadable file: no failure message: {result.stderr[:300]!r}")
    # A missing file is a missing product, and nothing is created in its folder.
    result = run(cli, env, os.path.join(work, "none.cal"), "--from", "contacts", "--out", out_file)
    if result.returncode != 1 or os.path.exists(out_file) or os.path.exists(vdt):
        problems.append(f"missing file: exit {result.returncode}, created: {os.path.exists(vdt)}")
    if b"Murello nicht gefunden" not in result.stdout:
        problems.append(f"missing file: message 139 missing: {result.stdout[:200]!r}")


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().split("\n")[-1], file=sys.stderr)
        return 2
    cli = os.path.abspath(sys.argv[1])
    rng = random.Random(20241224)
    problems = []
    with tempfile.TemporaryDirectory(prefix="veltrano-import-") as work:
        config = os.path.join(work, "config")
        for product, sub, quoted in (("Murello2", "murello", False), ("Tessaplan2", "tessaplan", True)):
            os.makedirs(os.path.join(work, sub, "daten"))
            write_settings(config, product, os.path.join(work, sub), quoted)
        env = dict(os.environ, XDG_CONFIG_HOME=config)
        start = {(4, 9): ("alter Text", 3), (0, 0): ("Neujahr", 2), (11, 30): ("", 4)}
        for case in range(40):
            record_type = CONTACT if case % 2 == 0 else APPOINTMENT
            generated = random_file(rng, record_type)
            check_case(cli, work, env, record_type, generated, start if case % 4 < 2 else {}, problems,
                       f"case {case}")
        # Files of more than one scan window (1024 blocks).
        for record_type in (CONTACT, APPOINTMENT):
            generated = random_file(rng, record_type, pieces=1500)
            check_case(cli, work, env, record_type, generated, start, problems, f"large {record_type}")
        check_not_installed(cli, work, env, problems)
        check_failed_read(cli, work, env, problems)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
