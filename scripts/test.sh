#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh          the normal build, in build/
#   scripts/test.sh asan     the same tests and program built with AddressSanitizer and
#                            UndefinedBehaviorSanitizer (g++), in build-asan/; any report fails
#                            the test that caused it
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
case "${1:-}" in
  "")
    scripts/build.sh
    ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 600
    ;;
  asan)
    scripts/deps.sh
    if [ ! -f build-asan/build.ninja ]; then
      cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++ \
            -DTILVARO_SANITIZE=ON -DTILVARO_BENCHMARKS=OFF
    fi
    cmake --build build-asan --parallel "$(nproc)"
    # A leak fails the test too; the tests close their Qt application, so nothing is suppressed.
    export ASAN_OPTIONS=detect_leaks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" --timeout 900
    ;;
  *)
    echo "usage: scripts/test.sh [asan]" >&2
    exit 2
    ;;
esac
