#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each for a bounded
# time (FUZZ_SECONDS, default 30), starting from the element files of the test
# data (for the database reader, databases imported from them) and the
# companion programs' files. Exits non-zero when a target finds a crash.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${FUZZ_BUILD:-$root/build/fuzz}"
seconds="${FUZZ_SECONDS:-30}"

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "${FUZZ_JOBS:-2}"

for target in fuzz_two_line fuzz_verbose fuzz_keps_file fuzz_vant_log fuzz_upload_header fuzz_hole_list; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/artifacts"
    case $target in
        fuzz_keps_file) "$build/keps_seed" "$corpus" "$root"/tests/data/tle_*.txt "$root"/tests/data/verbose_* ;;
        fuzz_vant_log) cp "$root"/tests/data/maint/*.LOG "$corpus"/ ;;
        fuzz_upload_header) cp "$root"/tests/data/maint/*.PUL "$corpus"/ ;;
        fuzz_hole_list) cp "$root"/tests/data/maint/*.DAT "$corpus"/ ;;
        *) cp "$root"/tests/data/tle_*.txt "$root"/tests/data/verbose_* "$corpus"/ ;;
    esac
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
