#!/usr/bin/env python3
"""Checks that `veltrano-cli holidays --lang N` takes the names from the
translation file in the current directory, and stays German without one.

usage: holidays_language.py PATH-TO-veltrano-cli
"""

import os
import subprocess
import sys
import tempfile

TRANSLATIONS = (
    "; test translations\n"
    "item=Neujahr#Nieuwjaarsdag#New Year's Day#Jour de l'an#Año Nuevo#Capodanno\n"
    "item=Ostersonntag#Eerste Paasdag#Easter Sunday#Dimanche de Pâques#Domingo de Pascua#\n"
)


def holidays(cli, folder, *extra):
    result = subprocess.run([cli, "holidays", "--region", "2", "--year", "2024", *extra],
                            cwd=folder, capture_output=True, check=False)
    assert result.returncode == 0, result.stderr
    return [line.split("\t") for line in result.stdout.decode("utf-8").splitlines()]


def main():
    cli = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        german = holidays(cli, folder, "--lang", "2")
        assert german[0] == ["2024-01-01", "0", "Neujahr"], german[0]
        with open(os.path.join(folder, "lang_veltrano.ini"), "w", encoding="utf-8") as f:
            f.write(TRANSLATIONS)
        english = holidays(cli, folder, "--lang", "2")
        spanish = holidays(cli, folder, "--lang", "4")
        assert english[0] == ["2024-01-01", "0", "New Year's Day"], english[0]
        assert spanish[0] == ["2024-01-01", "0", "Año Nuevo"], spanish[0]
        easter = [row for row in english if row[1] == "11"]
        assert easter == [["2024-03-31", "11", "Easter Sunday"]], easter
        # Untranslated names stay German; language 0 ignores the file.
        assert ["2024-03-29", "10", "Karfreitag"] in english
        assert holidays(cli, folder, "--lang", "0")[0][2] == "Neujahr"
        assert holidays(cli, folder)[0][2] == "Neujahr"
    print("translated names as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
