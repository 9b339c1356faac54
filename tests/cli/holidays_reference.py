#!/usr/bin/env python3
"""Computes every public holiday of every region for 1900..2100 from the law and
compares the result with `veltrano-cli holidays`.

The table below is written from the holiday laws, holiday by holiday: which
regions observe it, in which years, and on which day ("the Wednesday before
23 November", "the Monday from 18 to 24 May"). It does not follow the
program's own layout (rule table, region lists, periods of validity), so a
wrongly copied rule there shows up as a difference here. Dates are counted
with the program's calendar (every fourth year a leap year, 1900 and 2100
included; the program's documented choice), and Easter comes from the epact
method.

Each region needs one run of the program for all years (`--year 1900..2100`).
Lines are compared as sets per year, since the program's list order is its own
convention (checked in its unit tests).

usage: holidays_reference.py PATH-TO-veltrano-cli
"""

import subprocess
import sys
from collections import defaultdict
from concurrent.futures import ThreadPoolExecutor

FIRST_YEAR, LAST_YEAR = 1900, 2100
MON, TUE, WED, THU, FRI, SAT, SUN = range(7)
ALWAYS = (FIRST_YEAR, LAST_YEAR)
REGIONS = range(43)
ALL_REGION = 20


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


# Day rules as the laws word them; each takes a year and gives a day number.
def on(day, month):
    return lambda year: day_number(year, month, day)


def weekday_between(wanted, month, first_day, last_day):
    """The one day of weekday `wanted` among first_day..last_day of month."""
    def rule(year):
        last_day_here = min(last_day, month_lengths(year)[month - 1])
        for day in range(first_day, last_day_here + 1):
            n = day_number(year, month, day)
            if weekday(n) == wanted:
                return n
        raise AssertionError((wanted, month, year))
    return rule


def nth(n, wanted, month):
    """The first, second, ... weekday of a month: it lies in days 7n-6..7n."""
    return weekday_between(wanted, month, 7 * n - 6, 7 * n)


def last(wanted, month):
    def rule(year):
        length = month_lengths(year)[month - 1]
        return weekday_between(wanted, month, length - 6, length)(year)
    return rule


def easter_plus(days):
    return lambda year: easter(year) + days


def unless_sunday(day, month):
    """day.month, moved to the Saturday before when it is a Sunday."""
    def rule(year):
        n = day_number(year, month, day)
        return n - 1 if weekday(n) == SUN else n
    return rule


def st_brigid(year):
    # 1 February when that is a Friday, otherwise the first Monday in February.
    n = day_number(year, 2, 1)
    return n if weekday(n) == FRI else nth(1, MON, 2)(year)


# Matariki: the dates the act's schedule fixes.
MATARIKI = {
    2022: (6, 24), 2023: (7, 14), 2024: (6, 28), 2025: (6, 20), 2026: (7, 10),
    2027: (6, 25), 2028: (7, 14), 2029: (7, 6), 2030: (6, 21), 2031: (7, 11),
    2032: (7, 2), 2033: (6, 24), 2034: (7, 7), 2035: (6, 29), 2036: (7, 18),
    2037: (7, 10), 2038: (6, 25), 2039: (7, 15), 2040: (7, 6), 2041: (7, 19),
    2042: (7, 11), 2043: (7, 3), 2044: (6, 24), 2045: (7, 7), 2046: (6, 29),
    2047: (7, 19), 2048: (7, 3), 2049: (6, 25), 2050: (7, 15), 2051: (6, 30),
    2052: (6, 21),
}


def matariki(year):
    month, day = MATARIKI[year]
    return day_number(year, month, day)


GERMANY = set(range(16))
CANADA = {22, 23, 24, 25}
AUSTRALIA = set(range(26, 35))

# (holiday number, regions, (first year, last year), rule). A holiday may have
# several rows where regions or years differ in rule or in observance.
LAW = [
    (0, set(REGIONS), ALWAYS, on(1, 1)),
    (1, GERMANY | {16, 19, 40, 41, 42}, ALWAYS, on(1, 5)),
    (2, GERMANY, ALWAYS, on(3, 10)),
    (3, set(REGIONS), ALWAYS, on(25, 12)),
    (4, set(REGIONS) - {21, 42}, ALWAYS, on(26, 12)),
    (5, {0, 1, 13, 16, 41, 42}, ALWAYS, on(6, 1)),
    (6, {1, 11, 16, 19, 40, 41, 42}, ALWAYS, on(15, 8)),
    # Reformation Day: the eastern states always; the four northern ones from
    # 2018; every state in 2017, the 500th anniversary.
    (7, {3, 7, 12, 13, 15}, ALWAYS, on(31, 10)),
    (7, {4, 5, 8, 14}, (2018, LAST_YEAR), on(31, 10)),
    (7, GERMANY - {3, 7, 12, 13, 15}, (2017, 2017), on(31, 10)),
    (8, {0, 1, 9, 10, 11, 16, 19, 40, 41, 42}, ALWAYS, on(1, 11)),
    # Buss- und Bettag: the Wednesday before 23 November.
    (9, {12}, ALWAYS, weekday_between(WED, 11, 16, 22)),
    (10, GERMANY | {16, 17, 18, 35, 36, 37, 39, 40, 42} | CANADA | AUSTRALIA, ALWAYS,
     easter_plus(-2)),
    (11, set(REGIONS) - {21}, ALWAYS, easter_plus(0)),
    (12, set(REGIONS) - {21, 36, 42}, ALWAYS, easter_plus(1)),
    (13, GERMANY | {16, 17, 18, 19, 40}, ALWAYS, easter_plus(39)),
    (14, GERMANY | {16, 17, 18, 19, 40, 42}, ALWAYS, easter_plus(49)),
    (15, GERMANY | {16, 17, 18, 19, 40}, ALWAYS, easter_plus(50)),
    (16, {0, 1, 6, 9, 10, 11, 12, 15, 16}, ALWAYS, easter_plus(60)),
    (17, {16}, ALWAYS, on(26, 10)),
    (18, {16, 41, 42}, ALWAYS, on(8, 12)),
    (19, {17}, ALWAYS, on(1, 8)),
    # Queen's Day up to 2013, King's Day from 2014; a Sunday moves to Saturday.
    (20, {18}, (FIRST_YEAR, 2013), unless_sunday(30, 4)),
    (65, {18}, (2014, LAST_YEAR), unless_sunday(27, 4)),
    (21, {18}, ALWAYS, on(5, 5)),
    (22, {19, 40}, ALWAYS, on(11, 11)),
    (23, {19}, ALWAYS, on(21, 7)),
    (24, {21}, ALWAYS, nth(3, MON, 1)),
    (25, {21}, ALWAYS, nth(3, MON, 2)),
    (26, {21}, ALWAYS, last(MON, 5)),
    (27, {21}, ALWAYS, on(4, 7)),
    (28, {21}, ALWAYS, nth(1, MON, 9)),
    (29, {21}, ALWAYS, nth(2, MON, 10)),
    (30, {21}, ALWAYS, on(11, 11)),
    (31, {21}, ALWAYS, nth(4, THU, 11)),
    (69, {21}, (2021, LAST_YEAR), on(19, 6)),
    # Victoria Day: the Monday before 25 May.
    (32, CANADA, ALWAYS, weekday_between(MON, 5, 18, 24)),
    (33, CANADA, ALWAYS, on(1, 7)),
    (34, {22, 25}, ALWAYS, nth(1, MON, 8)),
    (36, CANADA, ALWAYS, nth(2, MON, 10)),
    (37, {23}, ALWAYS, nth(1, MON, 8)),
    (38, CANADA, ALWAYS, on(11, 11)),
    (39, {24}, ALWAYS, nth(3, MON, 2)),
    (40, {24}, ALWAYS, nth(1, MON, 8)),
    (41, {25}, ALWAYS, nth(3, MON, 8)),
    (70, {22}, (2021, LAST_YEAR), on(30, 9)),
    # Labour Day and its regional dates.
    (35, CANADA, ALWAYS, nth(1, MON, 9)),
    (35, {26, 27, 30, 32}, ALWAYS, nth(1, MON, 10)),
    (35, {29, 31}, ALWAYS, nth(2, MON, 3)),
    (35, {28}, ALWAYS, nth(1, MON, 3)),
    (35, {33, 37, 38}, ALWAYS, nth(1, MON, 5)),
    (35, {34}, (FIRST_YEAR, 2012), nth(1, MON, 5)),
    (35, {34}, (2013, 2015), nth(1, MON, 10)),
    (35, {34}, (2016, LAST_YEAR), nth(1, MON, 5)),
    (35, {39}, ALWAYS, nth(4, MON, 10)),
    (42, AUSTRALIA, ALWAYS, on(26, 1)),
    (43, AUSTRALIA | {39}, ALWAYS, on(25, 4)),
    # The sovereign's birthday: Queen's up to 2022, King's from 2023.
    (44, {26, 27, 29, 30, 31, 32, 33}, (FIRST_YEAR, 2022), nth(2, MON, 6)),
    (66, {26, 27, 29, 30, 31, 32, 33}, (2023, LAST_YEAR), nth(2, MON, 6)),
    (44, {34}, (FIRST_YEAR, 2015), nth(2, MON, 6)),
    (44, {34}, (2016, 2022), nth(1, MON, 10)),
    (66, {34}, (2023, LAST_YEAR), nth(1, MON, 10)),
    (44, {39}, (FIRST_YEAR, 2022), nth(1, MON, 6)),
    (66, {39}, (2023, LAST_YEAR), nth(1, MON, 6)),
    (45, {30}, (FIRST_YEAR, 2007), nth(3, MON, 3)),
    (45, {30}, (2008, LAST_YEAR), nth(2, MON, 3)),
    (46, {27}, (FIRST_YEAR, 2005), nth(3, MON, 5)),
    (46, {27}, (2006, LAST_YEAR), nth(2, MON, 3)),
    (47, {29}, ALWAYS, nth(1, TUE, 11)),
    (48, {36, 39}, ALWAYS, on(2, 1)),
    (49, {37, 38}, ALWAYS, on(17, 3)),
    (50, {35, 36}, ALWAYS, nth(1, MON, 5)),
    (51, {35, 36, 37}, ALWAYS, last(MON, 5)),
    (52, {38}, ALWAYS, nth(1, MON, 6)),
    (53, {37}, ALWAYS, on(12, 7)),
    (54, {35, 37}, ALWAYS, last(MON, 8)),
    (54, {36, 38}, ALWAYS, nth(1, MON, 8)),
    (55, {38}, ALWAYS, last(MON, 10)),
    (56, {36}, ALWAYS, on(30, 11)),
    (71, {38}, (2023, LAST_YEAR), st_brigid),
    (57, {39}, ALWAYS, on(6, 2)),
    (72, {39}, (2022, 2052), matariki),
    (58, {40}, ALWAYS, on(8, 5)),
    (59, {40}, ALWAYS, on(14, 7)),
    (60, {41}, ALWAYS, on(25, 4)),
    (61, {41}, ALWAYS, on(2, 6)),
    (62, {42}, ALWAYS, on(12, 10)),
    (63, {42}, ALWAYS, on(6, 12)),
    (64, {42}, ALWAYS, easter_plus(-3)),
    (67, {2}, (2019, LAST_YEAR), on(8, 3)),
    (67, {7}, (2023, LAST_YEAR), on(8, 3)),
    (68, {15}, (2019, LAST_YEAR), on(20, 9)),
]

# The all-holidays region lists every holiday in a year some law has it, with
# the dates where no region chooses a variant: Labour Day on the first Monday of
# October, the sovereign's birthday on the second Monday of June and the summer
# bank holiday on the last Monday of August.
ALL_REGION_DATES = {
    35: nth(1, MON, 10), 44: nth(2, MON, 6), 66: nth(2, MON, 6), 54: last(MON, 8),
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
    "Königstag", "King's Birthday", "Internationaler Frauentag", "Weltkindertag", "Juneteenth",
    "National Day for Truth and Reconciliation", "St. Brigid's Day", "Matariki",
]

# Regions and years whose names are compared as well as dates and numbers.
NAME_SAMPLE = {(20, 2024), (9, 1900), (22, 2100), (42, 2025), (43, 1999), (18, 2027),
               (39, 2024), (38, 2023)}


def expected_for(region, year):
    """The (date text, number) pairs of a region's holidays in year."""
    found = set()
    if region in REGIONS and region != ALL_REGION:
        for number, regions, (first, last_year), rule in LAW:
            if region in regions and first <= year <= last_year:
                found.add((number, rule(year)))
    else:
        for number, _, (first, last_year), rule in LAW:
            if first <= year <= last_year:
                found.add((number, ALL_REGION_DATES.get(number, rule)(year)))
    lines = set()
    for number, n in found:
        y, m, d = from_day_number(n)
        assert y == year, (region, year, number)
        lines.add((f"{y:04d}-{m:02d}-{d:02d}", str(number)))
    return lines


def run_cli(cli, region):
    result = subprocess.run(
        [cli, "holidays", "--region", str(region), "--year", f"{FIRST_YEAR}..{LAST_YEAR}"],
        capture_output=True, check=False)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8")


def check(cli, region):
    code, out, err = run_cli(cli, region)
    if code != 0:
        return [f"region {region}: exit {code}: {err.strip()}"]
    if out and not out.endswith("\n"):
        return [f"region {region}: output does not end in a line break"]
    by_year = defaultdict(set)
    problems = []
    for line in out.split("\n")[:-1]:
        fields = line.split("\t")
        if len(fields) != 3:
            problems.append(f"region {region}: malformed line {line!r}")
            continue
        year = int(fields[0][:4])
        if (region, year) in NAME_SAMPLE and fields[2] != NAMES[int(fields[1])]:
            problems.append(f"region {region} year {year}: name {fields[2]!r} for {fields[1]}")
        if (fields[0], fields[1]) in by_year[year]:
            problems.append(f"region {region} year {year}: line {line!r} twice")
        by_year[year].add((fields[0], fields[1]))
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        want = expected_for(region, year)
        got = by_year.pop(year, set())
        for missing in sorted(want - got):
            problems.append(f"region {region} year {year}: missing {missing}")
        for extra in sorted(got - want):
            problems.append(f"region {region} year {year}: unexpected {extra}")
    for year in sorted(by_year):
        problems.append(f"region {region}: lines for year {year} outside the range")
    return problems


def self_check():
    """Dates from published calendars, so that a fault of this script cannot
    hide one of the program."""
    assert weekday(day_number(2024, 1, 1)) == MON
    assert weekday(day_number(1900, 3, 1)) == THU
    for year, month, day in [(1954, 4, 18), (1981, 4, 19), (2000, 4, 23), (2008, 3, 23),
                             (2024, 3, 31), (2049, 4, 18), (2100, 3, 28)]:
        assert from_day_number(easter(year)) == (year, month, day), year

    def date_of(number, region, year):
        return {d for d, n in expected_for(region, year) if n == str(number)}

    known = [
        (9, 12, 2023, "2023-11-22"), (9, 12, 2024, "2024-11-20"), (9, 12, 2025, "2025-11-19"),
        (32, 22, 2024, "2024-05-20"), (32, 22, 2026, "2026-05-18"),
        (38, 22, 2026, "2026-11-11"), (65, 18, 2027, "2027-04-27"),
        (65, 18, 2025, "2025-04-26"), (20, 18, 2006, "2006-04-29"),
        (35, 32, 2024, "2024-10-07"), (35, 29, 2024, "2024-03-11"),
        (35, 28, 2024, "2024-03-04"), (35, 39, 2024, "2024-10-28"),
        (35, 39, 2026, "2026-10-26"), (66, 34, 2024, "2024-10-07"),
        (66, 39, 2024, "2024-06-03"), (66, 32, 2024, "2024-06-10"),
        (45, 30, 2024, "2024-03-11"), (46, 27, 2024, "2024-03-11"),
        (47, 29, 2024, "2024-11-05"), (71, 38, 2024, "2024-02-05"),
        (71, 38, 2030, "2030-02-01"), (72, 39, 2024, "2024-06-28"),
    ]
    for number, region, year, date in known:
        assert date_of(number, region, year) == {date}, (number, region, year)
    assert len(NAMES) == 73


def main():
    if len(sys.argv) != 2:
        print("usage: holidays_reference.py PATH-TO-veltrano-cli", file=sys.stderr)
        return 2
    cli = sys.argv[1]
    self_check()
    regions = list(range(-1, 44))
    with ThreadPoolExecutor(max_workers=2) as pool:
        problems = [p for result in pool.map(lambda r: check(cli, r), regions) for p in result]
    for problem in problems[:40]:
        print(problem)
    if problems:
        print(f"{len(problems)} differences in {len(regions)} regions")
        return 1
    years = LAST_YEAR - FIRST_YEAR + 1
    print(f"{len(regions)} regions x {years} years agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
