#!/usr/bin/env python3
"""Imports contact and calendar files as phones, mail programs and online
calendars write them with `veltrano-cli import-birthdays FILE.cal --from PATH`
and checks the day texts through `veltrano-cli show --json`; a bad file ends
with exit code 1, a message naming the file and the line, and no calendar
written.

usage: import_files.py PATH-TO-veltrano-cli
"""

import json
import os
import subprocess
import sys
import tempfile

PHONE_21 = (
    "BEGIN:VCARD\r\nVERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller\r\n"
    "TEL;CELL:+491701234567\r\nBDAY:19800229\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:2.1\r\n"
    "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Gr=FC=DFer;K=E4the;;;\r\n"
    "NOTE;ENCODING=QUOTED-PRINTABLE:lange=\r\nNotiz\r\n"
    "BDAY:1975-12-24\r\nEND:VCARD\r\n"
)
MAIL_30 = (
    "BEGIN:VCARD\nVERSION:3.0\nPRODID:-//Example//Mail 1.0//EN\n"
    "N:Dupont;Marie;;;\nFN:Marie Dupont\nBDAY;VALUE=date:1988-07-14\n"
    "X-ANNIVERSARY:2010-06-05\nNOTE:gefaltete\n  Notiz\nEND:VCARD\n"
)
CARD_40 = (
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ada Lovelace\r\nBDAY:--1210\r\n"
    "ANNIVERSARY:19350601\r\nEND:VCARD\r\n"
)
ONLINE_ICS = (
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Example//Online Calendar//EN\r\n"
    "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:19850412\r\nRRULE:FREQ=YEARLY\r\n"
    "SUMMARY:Geburtstag Anna\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:19700921\r\nSUMMARY:Tom\\, der \u00c4ltere\r\n"
    "CATEGORIES:Birthday\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nDTSTART:20240115T090000Z\r\nSUMMARY:Einmalig\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n"
)

CASES = [
    ("telefon.vcf", PHONE_21, {(1, 27): "Jürgen Müller", (11, 23): "Käthe Grüßer"}),
    ("mail.vcf", MAIL_30, {(6, 13): "Marie Dupont", (5, 4): "Marie Dupont (Jahrestag)"}),
    ("karte.vcf", CARD_40, {(11, 9): "Ada Lovelace", (5, 0): "Ada Lovelace (Jahrestag)"}),
    ("online.ics", ONLINE_ICS, {(3, 11): "Geburtstag Anna", (8, 20): "Tom, der Ältere"}),
]

failures = []


def run(cli, *args):
    return subprocess.run([cli, *args], capture_output=True, text=True, timeout=60)


def days(cli, calendar):
    shown = run(cli, "show", calendar, "--json")
    if shown.returncode != 0:
        failures.append("show failed: " + shown.stderr)
        return {}
    return {(d["month"], d["day"]): (d["text"], d["colour"])
            for d in json.loads(shown.stdout)["days"]}


def main():
    cli = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        for name, content, expected in CASES:
            path = os.path.join(folder, name)
            with open(path, "wb") as f:
                f.write(content.encode("utf-8"))
            calendar = os.path.join(folder, name + ".cal")
            result = run(cli, "import-birthdays", calendar, "--from", path, "--year", "2027")
            if result.returncode != 0:
                failures.append(f"{name}: exit {result.returncode}: {result.stderr}")
                continue
            found = days(cli, calendar)
            want = {key: (text, 1) for key, text in expected.items()}
            if found != want:
                failures.append(f"{name}: {found} != {want}")
            again = run(cli, "import-birthdays", calendar, "--from", path, "--year", "2027")
            if again.returncode != 0 or days(cli, calendar) != found:
                failures.append(f"{name}: a second import changed the calendar")
            if "0 Geburtstag(e)" not in again.stdout:
                failures.append(f"{name}: second import said {again.stdout!r}")

        bad = os.path.join(folder, "kaputt.vcf")
        with open(bad, "w") as f:
            f.write("BEGIN:VCARD\nVERSION:3.0\nFN:X\nBDAY:1990-02-30\nEND:VCARD\n")
        out = os.path.join(folder, "nie.cal")
        result = run(cli, "import-birthdays", out, "--from", bad)
        if result.returncode != 1 or os.path.exists(out):
            failures.append(f"bad file: exit {result.returncode}, written {os.path.exists(out)}")
        if bad not in result.stderr or "Zeile 4" not in result.stderr or "1990-02-30" not in result.stderr:
            failures.append(f"bad file message: {result.stderr!r}")

    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
