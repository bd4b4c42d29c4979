#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts marked in src/ (new texts come in unfinished,
# texts gone from the sources are dropped). Run after adding or changing a marked text.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
for ts in translations/tilvaro_*.ts; do
  language=$(basename "$ts" .ts)
  language=${language#tilvaro_}
  "$lupdate" -silent -locations none -no-obsolete -target-language "$language" src -ts "$ts"
done
