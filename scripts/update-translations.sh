#!/usr/bin/env bash
# Brings each catalogue (resources/translations/skylyre_<language>.ts) up to
# date with the words of the sources: new ones come in unfinished, for a
# translator to finish; those the sources no longer have go.
#
#   scripts/update-translations.sh [catalogue...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
scripts/install-packages.sh languages

catalogues=("$@")
[[ ${#catalogues[@]} -gt 0 ]] || catalogues=(resources/translations/skylyre_*.ts)
for catalogue in "${catalogues[@]}"; do
    language=$(basename "$catalogue" .ts)
    language=${language#skylyre_}
    /usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language en \
        -target-language "$language" src -ts "$catalogue"
done
