#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each for a bounded
# time (FUZZ_SECONDS, default 30), starting from the element files of the test
# data (for the database reader, databases imported from them). Exits
# non-zero when a target finds a crash.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${FUZZ_BUILD:-$root/build/fuzz}"
seconds="${FUZZ_SECONDS:-30}"

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "${FUZZ_JOBS:-2}"

for target in fuzz_two_line fuzz_verbose fuzz_keps_file; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/artifacts"
    if [ "$target" = fuzz_keps_file ]; then
        "$build/keps_seed" "$corpus" "$root"/tests/data/tle_*.txt "$root"/tests/data/verbose_*
    else
        cp "$root"/tests/data/tle_*.txt "$root"/tests/data/verbose_* "$corpus"/
    fi
    echo "== $target for ${seconds}s"
    log="$build/$target.log"
    if ! "$build/$target" -max_total_time="$seconds" -max_len=10000 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$corpus" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "$target failed; the input is in $build/artifacts" >&2
        exit 1
    fi
    tail -n 6 "$log"
done
