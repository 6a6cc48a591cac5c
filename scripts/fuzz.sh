#!/bin/sh
# Builds the fuzz targets with clang and libFuzzer in a build directory of
# their own, writes the seed corpora and runs each target for a while; the
# first fault stops the run with the input that caused it.
# Usage: fuzz.sh BUILD_DIR SECONDS_PER_TARGET [TARGET...]
set -eu
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
targets=${*:-bmp wav game_level level_text progress records settings sim_script}
werror=$([ -n "${CI:-}" ] && echo ON || echo OFF)

CC=clang CXX=clang++ cmake -S . -B "$build" -DQUAGMORE_FUZZ=ON -DQUAGMORE_BUILD_BENCH=OFF \
    -DQUAGMORE_WERROR="$werror" >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target fuzz-targets
"$build/bin/fuzz-seeds" "$build/fuzz/seeds" data/levels
mkdir -p "$build/fuzz/artifacts"
for target in $targets; do
    corpus="$build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz_$target: $seconds s"
    "$build/bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/artifacts/$target-" "$corpus" "$build/fuzz/seeds/$target"
done
