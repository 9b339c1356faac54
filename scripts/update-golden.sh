#!/usr/bin/env bash
# Rewrites the golden dumps of the drawing tests from the current code, after a
# deliberate change of a drawing. Read `git diff tests/` before keeping the result.
# Usage: scripts/update-golden.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target update-golden -j 2
"$build/tests/golden/update-golden"
git --no-pager diff --stat -- tests/render/golden tests/widgets/engine/golden
