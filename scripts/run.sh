#!/usr/bin/env bash
# Installs what is missing, builds the program (only the program: no tests, no benchmarks) and
# starts it. Arguments are passed to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh tilvaro
exec build/tilvaro "$@"
