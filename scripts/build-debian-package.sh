#!/usr/bin/env bash
# Builds the Debian package of Skylyre Configurator (the package preset and
# CPack) in build/package/ and checks it as Debian does, on the files it
# ships: lintian reports nothing, desktop-file-validate has nothing to say of
# the desktop entry and appstreamcli finds no error or warning in the
# AppStream metadata. Exits non-zero when one of them finds a fault; prints
# the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

scripts/install-packages.sh release
workflow package

build=build/package
version=$(project_version "$build")
deb="$build/skylyre-configurator_${version}_$(dpkg --print-architecture).deb"

shipped=$(mktemp -d)
trap 'rm -rf "$shipped"' EXIT
dpkg-deb --extract "$deb" "$shipped"

report=$(lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)) ||
    fail "lintian: $report"
[[ -z "$report" ]] || fail "lintian: $report"
echo "ok: lintian reports nothing"
report=$(desktop-file-validate "$shipped"/usr/share/applications/*.desktop 2>&1) && [[ -z "$report" ]] ||
    fail "desktop-file-validate: $report"
echo "ok: desktop-file-validate accepts the desktop entry"
appstreamcli validate --no-net "$shipped"/usr/share/metainfo/*.metainfo.xml ||
    fail "appstreamcli finds errors or warnings in the AppStream metadata"
echo "ok: appstreamcli validate --no-net accepts the AppStream metadata"
echo "$deb"
