#!/usr/bin/env python3
"""Runs veltrano-cli with the given arguments and passes when it refuses them as
a user error: exit code 2, nothing on standard output, a one-line message and
the usage text on standard error.

usage: expect_usage_error.py PATH-TO-veltrano-cli [ARGUMENTS...]
"""

import subprocess
import sys


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip().split("\n")[-1], file=sys.stderr)
        return 2
    result = subprocess.run(sys.argv[1:], capture_output=True, check=False)
    err = result.stderr.decode("utf-8", "replace").split("\n")
    problems = []
    if result.returncode != 2:
        problems.append(f"exit code {result.returncode}, expected 2")
    if result.stdout:
        problems.append(f"unexpected output: {result.stdout[:200]!r}")
    if not err[0].startswith("veltrano-cli: ") or len(err) < 3:
        problems.append(f"first line of stderr is not an error message: {err[0]!r}")
    if not any(line.startswith("usage: ") for line in err[1:]):
        problems.append("no usage text on stderr")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
