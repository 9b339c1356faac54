#!/usr/bin/env bash
# Builds every libFuzzer target (each fuzz/*_fuzzer.cpp) with clang in a build folder
# of its own, replays its corpus and every input that once failed, then fuzzes each
# for a short while. A crash, a broken property or a leak fails the run; libFuzzer
# leaves the input in $BUILD/artifacts/ — add it to fuzz/regressions/<target>/ with
# the fix.
#   fuzz/ci.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build="${VELTRANO_FUZZ_BUILD:-build-fuzz}"

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELTRANO_QT=OFF -DVELTRANO_FUZZ=ON >/dev/null
targets=()
for src in fuzz/*_fuzzer.cpp; do
    targets+=("$(basename "$src" .cpp)")
done
cmake --build "$build" -j 2 --target "${targets[@]}"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    binary="$build/fuzz/$target"
    inputs=()
    for dir in "fuzz/corpus/$target" "fuzz/regressions/$target"; do
        [ -d "$dir" ] && inputs+=("$dir")
    done
    options=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$target-")
    if [ ${#inputs[@]} -gt 0 ]; then
        echo "== $target: replaying ${inputs[*]}"
        "$binary" "${options[@]}" -runs=0 "${inputs[@]}" 2>"$build/artifacts/$target-replay.log" ||
            { tail -n 40 "$build/artifacts/$target-replay.log"; exit 1; }
    fi
    # New inputs go to a scratch corpus, so the run leaves the repository as it was.
    scratch="$build/corpus/$target"
    mkdir -p "$scratch"
    echo "== $target: fuzzing for ${seconds} s"
    "$binary" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        "$scratch" "${inputs[@]}" 2>"$build/artifacts/$target-fuzz.log" ||
        { tail -n 40 "$build/artifacts/$target-fuzz.log"; exit 1; }
    grep -E '^stat::number_of_executed_units' "$build/artifacts/$target-fuzz.log" || true
done
echo "fuzzing: ${#targets[@]} targets passed"
