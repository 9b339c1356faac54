#!/usr/bin/env python3
"""Recomputes every holiday of every region for 1900..2100 and compares the
result with `veltrano-cli holidays`.

The computation here is deliberately different from the program's: dates are
day numbers counted from 1 January 1900 under the program's leap rule (every
fourth year, 1900 and 2100 included), Easter comes from the epact method, and
the rules are written as short rule texts.

usage: holidays_reference.py PATH-TO-veltrano-cli [--year-step N]

With --year-step N only every N-th year from 1900 and a few chosen years are
run (for slow instrumented builds); every region is still checked.
"""

import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

FIRST_YEAR, LAST_YEAR = 1900, 2100
MON, WED, THU, SUN = 0, 2, 3, 6


def leap(year):
    return year % 4 == 0


def month_lengths(year):
    return [31, 29 if leap(year) else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


def day_number(year, month, day):
    """Days since 1 January 1900 (day 0), counted with the program's leap rule."""
    years = year - 1900
    n = 365 * years + (years + 3) // 4
    return n + sum(month_lengths(year)[: month - 1]) + day - 1


def from_day_number(n):
    year = 1900
    while True:
        length = 366 if leap(year) else 365
        if n < length:
            break
        n -= length
        year += 1
    for month, length in enumerate(month_lengths(year), start=1):
        if n < length:
            return year, month, n + 1
        n -= length
    raise AssertionError("unreachable")


def weekday(n):
    # 1 January 1900 was a Sunday for the program (6 with Monday as 0).
    return (n + 6) % 7


def easter(year):
    """Easter Sunday by the Gregorian epact method, as a day number."""
    golden = year % 19 + 1
    century = year // 100 + 1
    skipped_leap = 3 * century // 4 - 12
    moon_shift = (8 * century + 5) // 25 - 5
    sunday_key = 5 * year // 4 - skipped_leap - 10
    epact = (11 * golden + 20 + moon_shift - skipped_leap) % 30
    if (epact == 25 and golden > 11) or epact == 24:
        epact += 1
    full_moon = 44 - epact
    if full_moon < 21:
        full_moon += 30
    sunday = full_moon + 7 - (sunday_key + full_moon) % 7
    if sunday > 31:
        return day_number(year, 4, sunday - 31)
    return day_number(year, 3, sunday)


# Rule texts:
#   "D.M"            fixed day D of month M
#   "E+k" / "E-k"    k days after / before Easter Sunday
#   "#n W M"         n-th weekday W (0 = Monday) of month M
#   "<=D.M"          the Monday on or before D.M
#   "bb"             first Wednesday on or after 1 November, plus 14 days
#   "qd"             30 April, 29 April when the 30th is a Sunday
RULES = {
    0: "1.1", 1: "1.5", 2: "3.10", 3: "25.12", 4: "26.12", 5: "6.1", 6: "15.8",
    7: "31.10", 8: "1.11", 9: "bb", 10: "E-2", 11: "E+0", 12: "E+1", 13: "E+39",
    14: "E+49", 15: "E+50", 16: "E+60", 17: "26.10", 18: "8.12", 19: "1.8",
    20: "qd", 21: "5.5", 22: "11.11", 23: "21.7", 24: "#3 0 1", 25: "#3 0 2",
    26: "<=31.5", 27: "4.7", 28: "#1 0 9", 29: "#2 0 10", 30: "11.11",
    31: "#4 3 11", 32: "<=24.4", 33: "1.7", 34: "#1 0 8", 36: "#2 0 10",
    37: "#1 0 8", 38: "1.11", 39: "#3 0 2", 40: "#1 0 8", 41: "#3 0 8",
    42: "26.1", 43: "25.4", 44: "#2 0 6", 45: "20.3", 46: "15.5", 47: "1.11",
    48: "2.1", 49: "17.3", 50: "#1 0 5", 51: "<=31.5", 52: "#1 0 6", 53: "12.7",
    55: "<=31.10", 56: "30.11", 57: "6.2", 58: "8.5", 59: "14.7", 60: "25.4",
    61: "2.6", 62: "12.10", 63: "6.12", 64: "E-3",
}


def labour_day_rule(region):
    if region in (22, 23, 24, 25):
        return "#1 0 9"
    if region in (33, 34, 37, 38):
        return "#1 0 5"
    if region in (29, 31):
        return "10.3"
    if region == 28:
        return "3.3"
    if region == 39:
        return "<=31.10"
    return "6.10"


def summer_bank_rule(region):
    return "#1 0 8" if region in (36, 38) else "<=31.8"


def rule_for(number, region):
    if number == 35:
        return labour_day_rule(region)
    if number == 54:
        return summer_bank_rule(region)
    return RULES[number]


def apply_rule(rule, year):
    if rule == "bb":
        first = day_number(year, 11, 1)
        return first + (WED - weekday(first)) % 7 + 14
    if rule == "qd":
        n = day_number(year, 4, 30)
        return n - 1 if weekday(n) == SUN else n
    if rule.startswith("E"):
        return easter(year) + int(rule[1:])
    if rule.startswith("#"):
        nth, wanted, month = (int(x) for x in rule[1:].split())
        first = day_number(year, month, 1)
        n = first + (wanted - weekday(first)) % 7 + 7 * (nth - 1)
        return min(n, first + month_lengths(year)[month - 1] - 1)
    if rule.startswith("<="):
        day, month = (int(x) for x in rule[2:].split("."))
        n = day_number(year, month, day)
        return n - weekday(n)
    day, month = (int(x) for x in rule.split("."))
    return day_number(year, month, day)


REGION_LISTS = {
    0: "0 1 2 3 4 5 8 10 11 12 13 14 15 16",
    1: "0 1 2 3 4 5 6 8 10 11 12 13 14 15 16",
    2: "0 1 2 3 4 10 11 12 13 14 15",
    3: "0 1 2 3 4 7 10 11 12 13 14 15",
    4: "0 1 2 3 4 10 11 12 13 14 15",
    5: "0 1 2 3 4 10 11 12 13 14 15",
    6: "0 1 2 3 4 10 11 12 13 14 15 16",
    7: "0 1 2 3 4 7 10 11 12 13 14 15",
    8: "0 1 2 3 4 10 11 12 13 14 15",
    9: "0 1 2 3 4 8 10 11 12 13 14 15 16",
    10: "0 1 2 3 4 8 10 11 12 13 14 15 16",
    11: "0 1 2 3 4 6 8 10 11 12 13 14 15 16",
    12: "0 1 2 3 4 7 9 10 11 12 13 14 15 16",
    13: "0 1 2 3 4 5 7 10 11 12 13 14 15",
    14: "0 1 2 3 4 10 11 12 13 14 15",
    15: "0 1 2 3 4 7 10 11 12 13 14 15 16",
    16: "0 1 3 4 5 6 8 10 11 12 13 14 15 16 17 18",
    17: "0 3 4 10 11 12 13 14 15 19",
    18: "0 3 4 10 11 12 13 14 15 20 21",
    19: "0 1 3 4 11 12 13 14 15 22 23",
    21: "0 3 24 25 26 27 28 29 30 31",
    22: "0 3 4 10 11 12 32 33 34 35 36 38",
    23: "0 3 4 10 11 12 32 33 37 35 36 38",
    24: "0 3 4 10 11 12 32 33 40 35 36 39 38",
    25: "0 3 4 10 11 12 32 33 34 35 36 41 38",
    26: "0 3 4 10 11 12 42 43 44 35",
    27: "0 3 4 10 11 12 42 43 44 35 46",
    28: "0 3 4 10 11 12 42 43 35",
    29: "0 3 4 10 11 12 42 43 44 35 47",
    30: "0 3 4 10 11 12 42 43 44 35 45",
    31: "0 3 4 10 11 12 42 43 44 35",
    32: "0 3 4 10 11 12 42 43 44 35",
    33: "0 3 4 10 11 12 42 43 44 35",
    34: "0 3 4 10 11 12 42 43 44 35",
    35: "0 10 11 12 50 51 54 3 4",
    36: "0 48 10 11 50 51 54 3 4 56",
    37: "0 49 10 11 12 35 51 53 54 3 4",
    38: "0 49 11 12 35 52 54 55 3 4",
    39: "0 57 10 11 12 43 44 35 3 4",
    40: "0 10 1 6 3 4 11 12 13 8 14 15 22 58 59",
    41: "0 5 11 12 1 6 8 18 3 4 61 60",
    42: "0 5 14 64 10 11 1 6 62 8 63 18 3",
}

NAMES = [
    "Neujahr", "Maifeiertag", "Tag der deutschen Einheit", "1. Weihnachtsfeiertag",
    "2. Weihnachtsfeiertag", "Heilige Dreikönige", "Mariä Himmelfahrt", "Reformationstag",
    "Allerheiligen", "Buss- und Bettag", "Karfreitag", "Ostersonntag", "Ostermontag",
    "Christi Himmelfahrt", "Pfingstsonntag", "Pfingstmontag", "Fronleichnam",
    "Nationalfeiertag Österreich", "Mariä Empfängnis", "Schweizer Nationalfeiertag",
    "Königinnentag", "Befreiungstag", "Gedenktag 1918", "Nationalfeiertag Belgien",
    "Martin Luther King Day", "Washington's Birthday", "Memorial Day", "Unabhängigkeitstag",
    "Labor Day", "Columbus Day", "Veterans Day", "Thanksgiving (USA)", "Victoria Day",
    "Canada Day ", "Civic Holiday", "Labour Day", "Thanksgiving (Canada)",
    "British Columbia Day", "Remembrance Day", "Family Day", "Heritage Day", "Discovery Day",
    "Australia Day", "Anzac Day", "Queen's Birthday", "Canberra Day", "Adelaide Cup",
    "Melbourne Cup", "2. Januar", "St. Patrick's Day", "May Day Bank Holiday",
    "Spring Bank Holiday", "June Bank Holiday", "Orangemen's Day", "Summer Bank Holiday",
    "October Bank Holiday", "St. Andrew's Day", "Waitangi Day", "Tag des Sieges (1945)",
    "Französischer Nationalfeiertag", "Befreiungstag Italien", "Nationalfeiertag Italien",
    "Nationalfeiertag Spanien", "Tag der Verfassung (Spanien)", "Gründonnerstag",
]

# Regions whose names are compared as well as dates and numbers.
NAME_SAMPLE = {(20, 2024), (9, 1900), (22, 2100), (42, 2025), (43, 1999)}


def numbers_of(region):
    if region in REGION_LISTS:
        return [int(x) for x in REGION_LISTS[region].split()]
    return list(range(65))


def expected_lines(region, year):
    lines = []
    for number in numbers_of(region):
        y, m, d = from_day_number(apply_rule(rule_for(number, region), year))
        assert y == year, (region, year, number)
        lines.append((f"{y:04d}-{m:02d}-{d:02d}", str(number), NAMES[number]))
    return lines


def run_cli(cli, region, year):
    result = subprocess.run(
        [cli, "holidays", "--region", str(region), "--year", str(year)],
        capture_output=True, check=False)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8")


def check(cli, region, year):
    code, out, err = run_cli(cli, region, year)
    if code != 0:
        return [f"region {region} year {year}: exit {code}: {err.strip()}"]
    got = [line.split("\t") for line in out.split("\n")[:-1]]
    want = expected_lines(region, year)
    problems = []
    if not out.endswith("\n") and out:
        problems.append(f"region {region} year {year}: output does not end in a line break")
    if len(got) != len(want):
        return [f"region {region} year {year}: {len(got)} lines, expected {len(want)}"]
    compare_names = (region, year) in NAME_SAMPLE
    for i, (g, w) in enumerate(zip(got, want)):
        fields = len(w) if compare_names else 2
        if len(g) != 3 or g[:fields] != list(w[:fields]):
            problems.append(f"region {region} year {year} line {i}: got {g}, expected {list(w)}")
    return problems


def self_check():
    """Known dates, so that a fault of this script cannot hide one of the program."""
    assert weekday(day_number(2024, 1, 1)) == MON
    assert weekday(day_number(1900, 3, 1)) == THU
    for year, month, day in [(1954, 4, 18), (1981, 4, 19), (2000, 4, 23), (2008, 3, 23),
                             (2024, 3, 31), (2049, 4, 18), (2100, 3, 28)]:
        assert from_day_number(easter(year)) == (year, month, day), year
    assert from_day_number(apply_rule("bb", 2023)) == (2023, 11, 15)
    assert from_day_number(apply_rule("qd", 2006)) == (2006, 4, 29)
    assert from_day_number(apply_rule("<=24.4", 2024)) == (2024, 4, 22)
    assert from_day_number(apply_rule("#4 3 11", 2024)) == (2024, 11, 28)
    assert from_day_number(apply_rule(labour_day_rule(39), 2024)) == (2024, 10, 28)
    assert len(NAMES) == 65 and len(REGION_LISTS) == 42


def main():
    args = sys.argv[1:]
    step = 1
    if len(args) == 3 and args[1] == "--year-step" and args[2].isdigit() and int(args[2]) > 0:
        step = int(args[2])
        args = args[:1]
    if len(args) != 1:
        print("usage: holidays_reference.py PATH-TO-veltrano-cli [--year-step N]",
              file=sys.stderr)
        return 2
    cli = args[0]
    self_check()
    years = set(range(FIRST_YEAR, LAST_YEAR + 1, step))
    years |= {FIRST_YEAR, 1901, 1954, 2006, 2023, 2024, 2025, 2099, LAST_YEAR}
    jobs = [(region, year) for region in range(-1, 44) for year in sorted(years)]
    with ThreadPoolExecutor(max_workers=max(2, os.cpu_count() or 2)) as pool:
        results = pool.map(lambda job: check(cli, *job), jobs)
        problems = [p for result in results for p in result]
    for problem in problems[:40]:
        print(problem)
    if problems:
        print(f"{len(problems)} differences in {len(jobs)} region-years")
        return 1
    print(f"{len(jobs)} region-years agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
