#!/usr/bin/env bash
# Fails when a catalogue (resources/translations/skylyre_<language>.ts) lacks
# a word of the sources, keeps one they no longer have, or has one not yet
# translated.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
scripts/install-packages.sh languages

copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
for catalogue in resources/translations/skylyre_*.ts; do
    copy="$copies/$(basename "$catalogue")"
    cp "$catalogue" "$copy"
    bash scripts/update-translations.sh "$copy" >/dev/null
    diff -u "$catalogue" "$copy" >&2 ||
        fail "$catalogue is not up to date with the sources (above); run scripts/update-translations.sh and translate what is new."
    unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
    [[ "$unfinished" -eq 0 ]] || fail "$catalogue has $unfinished words not yet translated."
    checked "$catalogue: every word of the sources, translated"
done
