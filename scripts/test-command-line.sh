#!/usr/bin/env bash
# Tries the console program as a user would, on three aircraft made here:
# installs the player into them, lists them, removes it again and compares
# every file with its original byte for byte (aircraft.bak, made by the
# install, stays: it holds the original aircraft.cfg). Then lists and removes
# once more: nothing is left to remove. Exits non-zero at the first thing
# that is not so.
#
#   bash scripts/test-command-line.sh <program> [runner...]
#
# CTest runs it as the test console_command_line (tests/console/), on the
# build's skylyre; for Windows on skylyre.exe under Wine, the runner, in the
# prefix that scripts/wine.sh's start_wine made.
set -euo pipefail
program=$(realpath "$1")
shift
runner=("$@")
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Three aircraft with what add-ons have: Windows, Unix and old Mac line ends,
# names in any case, entries to replace and to insert after, a page of their own.
mkdir -p Aircraft/c172 Aircraft/B737 Aircraft/dc3
printf 'flight model' >Aircraft/c172/Cessna172.air
printf '[fltsim.0]\r\ntitle=Cessna 172\r\nkb_checklists=Cessna172_notes\r\n[General]\r\natc_type=Cessna\r\n' \
    >Aircraft/c172/aircraft.cfg
printf 'flight model' >Aircraft/B737/Boeing737.AIR
printf '[fltsim.0]\ntitle=Boeing 737\nkb_checklists=b737_check\n[fltsim.1]\ntitle=Boeing 737 (2)\nCHECKLISTS=b737_check\n' \
    >Aircraft/B737/Aircraft.cfg
printf '<p>Before take-off</p>\r\n' >Aircraft/B737/b737_check.htm
printf 'flight model' >Aircraft/dc3/DC3.air
printf '[fltsim.0]\rtitle=DC-3\rkb_reference=dc3_notes\r' >Aircraft/dc3/aircraft.cfg
printf '<p>Notes</p>' >Aircraft/dc3/dc3_ref.htm
cp -a Aircraft original

# The program's output, without the CR of a Windows console's line ends.
skylyre() {
    "${runner[@]}" "$program" "$@" | tr -d '\r'
    return "${PIPESTATUS[0]}"
}
cd Aircraft
aircraft=(c172/Cessna172.air B737/Boeing737.AIR dc3/DC3.air)

output=$(skylyre install --checklist --new --backup "${aircraft[@]:0:2}") || fail "install: exit code $?: $output"
echo "$output"
grep -qx '\[2/2\] B737/Boeing737.AIR: Checklist page written, aircraft.cfg updated, backup made' <<<"$output" ||
    fail "install did not report the second aircraft"
output=$(skylyre install --reference --add "${aircraft[2]}") || fail "install: exit code $?: $output"
echo "$output"
grep -qx 'Installed into 1 of 1 aircraft.' <<<"$output" || fail "install did not say it was done"
checked "install puts the player into three aircraft"

output=$(skylyre list .) || fail "list: exit code $?: $output"
echo "$output"
grep -qx '3 aircraft, 3 with the player.' <<<"$output" || fail "list did not find the player in three aircraft"
grep -q 'Boeing737.AIR: checklist boeing737_check (player); reference none$' <<<"$output" ||
    fail "list did not name the page of both variations once"
players=$(skylyre list --json . | grep -c '"player": true') || true
[[ "$players" == 3 ]] || fail "list --json named $players pages with the player, not 3"
checked "list shows the player in each aircraft, as text and as JSON"

output=$(skylyre remove "${aircraft[@]}") || fail "remove: exit code $?: $output"
echo "$output"
grep -qx 'Removed from 3 of 3 aircraft; 0 had nothing to remove.' <<<"$output" || fail "remove did not say it was done"
cd ..
diff -r -x aircraft.bak -x Aircraft.bak original Aircraft || fail "the aircraft are not as they were"
for cfg in original/*/[Aa]ircraft.cfg; do
    cmp "$cfg" "Aircraft/${cfg#original/}" || fail "$cfg is not as it was"
    cmp "$cfg" "$(dirname "Aircraft/${cfg#original/}")/aircraft.bak" || fail "the backup of $cfg is not the original"
done
checked "remove gives every file back byte for byte"

cd Aircraft
output=$(skylyre list .) || fail "list: exit code $?: $output"
grep -qx '3 aircraft, 0 with the player.' <<<"$output" || fail "list still finds the player: $output"
output=$(skylyre remove "${aircraft[@]}") || fail "remove: exit code $?: $output"
[[ $(grep -c ': nothing to remove$' <<<"$output") == 3 ]] || fail "a second remove found something: $output"
checked "then list finds no player, and remove has nothing to remove"
