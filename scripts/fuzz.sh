#!/usr/bin/env bash
# Builds the fuzz targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer and runs
# one of them:   scripts/fuzz.sh NAME [SECONDS]     (NAME as in fuzz_NAME; default 60 seconds)
# The corpus grows in build-fuzz/corpus-NAME; a crash is written to build-fuzz/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:?usage: scripts/fuzz.sh NAME [SECONDS]}
seconds=${2:-60}
scripts/deps.sh fuzz
if [ ! -f build-fuzz/build.ninja ]; then
  cmake -S . -B build-fuzz -G Ninja -DTILVARO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build-fuzz --target "fuzz_$name"
corpus=build-fuzz/corpus-$name
mkdir -p "$corpus"
args=(-max_total_time="$seconds" -artifact_prefix=build-fuzz/ -print_final_stats=1)
seeds=$(find fuzz -type d -name "seeds_$name" | head -n 1)
dict=$(find fuzz -type f -name "$name.dict" | head -n 1)
[ -n "$dict" ] && args+=(-dict="$dict")
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The table target's Qt application lives until the process ends; what fontconfig keeps for it
# is not a leak of ours.
export LSAN_OPTIONS=suppressions=$(pwd)/fuzz/table/lsan.supp:print_suppressions=0
exec "build-fuzz/fuzz_$name" "${args[@]}" "$corpus" ${seeds:+"$seeds"}
