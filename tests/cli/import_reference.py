#!/usr/bin/env python3
"""Checks `veltrano-cli import-birthdays` against a reading of the vdt record
files written here from the file format alone.

For a series of generated contact and appointment files (free blocks, foreign
record types, damaged blocks, chains past the end, short payloads, odd text
counts, Windows-1252 texts) the script computes which birthdays land on which
day, the count the tool must report, and the bytes the record file must hold
afterwards (damaged blocks zeroed, nothing else changed), then runs the tool
with the product folders registered under a temporary XDG_CONFIG_HOME and
compares the written calendar, the message and the record file. A record file
that cannot be read, or is missing, fails the import without writing anything.

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
MAX_READ_BLOCKS = 241
CONTACT, APPOINTMENT = 11, 1


# ---------------------------------------------------------------- reading


def decode_1252(raw):
    """Windows-1252 to text; the five unassigned bytes stand for themselves."""
    out = []
    for b in raw:
        try:
            out.append(bytes([b]).decode("cp1252"))
        except UnicodeDecodeError:
            out.append(chr(b))
    return "".join(out)


def month_and_day(packed):
    """(month, day) of a packed date, or None for the empty or a refused date."""
    if packed == 0:
        return None
    day, month, year = packed & 0xFF, (packed >> 8) & 0xFF, packed >> 16
    if not (1 <= day <= 31 and 1 <= month <= 12 and year <= 2100):
        return None
    return month, day


def c_string(payload, offset):
    end = payload.index(0, offset)
    return payload[offset:end], end + 1


def contact_birthday(payload):
    birthday = struct.unpack_from("<I", payload, 8)[0]
    count = struct.unpack_from("<i", payload, 25)[0]
    offset, name = 29, b""
    for index in range(max(0, min(count, 17))):
        text, offset = c_string(payload, offset)
        if index == 2:
            name = text
    when = month_and_day(birthday)
    return None if when is None else (when, decode_1252(name))


def appointment_birthday(payload):
    kind, date = struct.unpack_from("<iI", payload, 0)
    text, _ = c_string(payload, 16)
    when = month_and_day(date)
    if kind != 2 or when is None:
        return None
    return when, decode_1252(text)


def scan(data, record_type):
    """Payloads of every record of the type, and the file as the scan leaves it."""
    data = bytearray(data)
    count = (len(data) + BLOCK - 1) // BLOCK

    def block(i):
        raw = bytes(data[i * BLOCK:(i + 1) * BLOCK])
        return raw + bytes(BLOCK - len(raw))

    payloads, p = [], 1
    while p < count:
        head = block(p)
        state, position, blocks, kind = head[0], head[1], head[2], head[3]
        record_id = struct.unpack_from("<I", head, 4)[0]
        if state > 1 and record_id > 100000000 and blocks > 1 and position > 1 and p + 1 < count:
            nxt = block(p + 1)
            if (struct.unpack_from("<I", nxt, 4)[0] != record_id or nxt[2] != blocks
                    or nxt[1] != position + 1):
                data[p * BLOCK:(p + 1) * BLOCK] = bytes(BLOCK)
                state = kind = blocks = 0
        if kind != record_type or state == 0:
            p += blocks if blocks >= 2 else 1
            continue
        if p + blocks > count:
            break
        used = min(blocks, MAX_READ_BLOCKS)
        payload = b"".join(block(p + i)[8:] for i in range(used))
        payloads.append(payload + bytes(60000 - len(payload)))
        p += max(blocks, 1)
    return payloads, bytes(data)


def expected_days(payloads, reader, start):
    """Day texts and colours after the import, and the number placed."""
    collected, placed = {}, 0
    for payload in payloads:
        found = reader(payload)
        if found is None:
            continue
        (month, day), text = found
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
    choice = rng.random()
    if choice < 0.15:
        return 0
    if choice < 0.2:
        return packed(29, 2, rng.choice([1980, 1981]))
    if choice < 0.25:
        return packed(rng.choice([0, 32, 31]), rng.choice([2, 13, 0]), 1970)
    if choice < 0.3:
        return packed(rng.randint(1, 28), rng.randint(1, 12), rng.choice([85, 3000, 2100]))
    return packed(rng.randint(1, 31), rng.randint(1, 12), rng.randint(1900, 2020))


def contact_payload(rng):
    count = rng.choice([17, 17, 17, 20, 3, 2, 0, -4])
    texts = [random_text(rng) for _ in range(max(count, 0))]
    if count > 2 and rng.random() < 0.1:
        texts[2] = b"x" * rng.randint(300, 900)  # a record of several blocks
    payload = struct.pack("<IiI", packed(1, 1, 2000), 5, random_date(rng)) + bytes(13)
    payload += struct.pack("<i", count) + b"".join(t + b"\0" for t in texts)
    if rng.random() < 0.1:
        payload = payload[:rng.randint(0, len(payload))]  # short payload
    return payload


def appointment_payload(rng):
    kind = rng.choice([2, 2, 2, 1, 3, 0])
    payload = struct.pack("<iII", kind, random_date(rng), 0) + b"\x09\x1e\xff\x00"
    payload += random_text(rng) + b"\0" + bytes(4 * 5 + 2 + 4 + 2 + 4 + 4 + 1 + 4 + 4)
    listed = rng.choice([0, 0, 3, 50000])
    payload += struct.pack("<i", listed) + bytes(4 * min(listed, 200))
    if rng.random() < 0.1:
        payload = payload[:rng.randint(0, len(payload))]
    return payload


def random_file(rng, record_type, pieces=None):
    make = contact_payload if record_type == CONTACT else appointment_payload
    other = APPOINTMENT if record_type == CONTACT else CONTACT
    data = struct.pack("<BBBBI", 1, 0, 0, 0, 1000) + bytes(248)
    next_id = 1
    for _ in range(rng.randint(0, 60) if pieces is None else pieces):
        roll = rng.random()
        next_id += 1
        if roll < 0.55:
            data += record_blocks(record_type, next_id, make(rng))
        elif roll < 0.65:
            data += record_blocks(rng.choice([other, 5]), next_id, bytes(rng.randint(1, 600)))
        elif roll < 0.75:
            data += struct.pack("<BBB", 0, 0, rng.randint(0, 4)) + bytes(253)  # free block
        elif roll < 0.85:  # damaged, with or without a block continuing it
            big = 100000001 + rng.randint(0, 5)
            data += struct.pack("<BBBBI", rng.randint(2, 255), 2, 3, record_type, big) + bytes(
                [rng.randint(0, 255) for _ in range(248)])
            if rng.random() < 0.5:
                data += struct.pack("<BBBBI", 1, 3, 3, record_type, big) + bytes(248)
        elif roll < 0.9:
            data += struct.pack("<BBBBI", 1, 0, 0, record_type, next_id) + bytes(248)
        else:
            data += bytes([rng.randint(0, 255) for _ in range(BLOCK)])
    ending = rng.random()
    if ending < 0.2:
        data += struct.pack("<BBBBI", 1, 0, 9, record_type, 77) + bytes(248)  # chain past the end
    elif ending < 0.4:
        data += record_blocks(record_type, 78, make(rng))[:rng.randint(8, 200)]  # partial block
    return data


# ---------------------------------------------------------------- running


def write_settings(config, product, folder, quoted):
    os.makedirs(os.path.join(config, "Kolbrand"), exist_ok=True)
    value = '"' + folder.replace("\\", "\\\\") + '"' if quoted else folder
    with open(os.path.join(config, "Kolbrand", product + ".conf"), "w", encoding="utf-8") as f:
        f.write(f"[General]\nPath=/nowhere\n\n[{product}]\nPath={value}\nVersion=2\n")


def run(cli, env, *args):
    return subprocess.run([cli, "import-birthdays", *args], capture_output=True, env=env,
                          check=False)


def check_case(cli, work, env, record_type, data, start, problems, label):
    folder = os.path.join(work, "murello" if record_type == CONTACT else "tessaplan")
    name = "kontakte.vdt" if record_type == CONTACT else "termine.vdt"
    vdt = os.path.join(folder, "daten", name)
    with open(vdt, "wb") as f:
        f.write(data)
    payloads, after = scan(data, record_type)
    reader = contact_birthday if record_type == CONTACT else appointment_birthday
    days, placed = expected_days(payloads, reader, start)

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
            data = random_file(rng, record_type)
            check_case(cli, work, env, record_type, data, start if case % 4 < 2 else {}, problems,
                       f"case {case}")
        # Files of more than one scan window (1024 blocks).
        for record_type in (CONTACT, APPOINTMENT):
            data = random_file(rng, record_type, pieces=1500)
            check_case(cli, work, env, record_type, data, start, problems, f"large {record_type}")
        check_not_installed(cli, work, env, problems)
        check_failed_read(cli, work, env, problems)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
