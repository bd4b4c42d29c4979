#!/usr/bin/env bash
# Configures (once) and builds Tilvaro into build/: everything, or only the targets named.
#   scripts/build.sh                 the program, the tests and the benchmarks
#   scripts/build.sh tilvaro         the program alone
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build build --parallel "$(nproc)" "${targets[@]}"
