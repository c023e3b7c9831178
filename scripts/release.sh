#!/usr/bin/env bash
# Builds every file of a release of Skylyre Configurator, from the commit that
# is checked out, into build/release-<version>/:
#   skylyre-configurator_<version>_<arch>.deb  the Debian package, which must
#                                              pass lintian, desktop-file-validate
#                                              and appstreamcli (scripts/build-debian-package.sh)
#   SkylyreConfigurator-<version>-win64.zip    the Windows program as a folder
#   SkylyreConfigurator-<version>-setup.exe    its installer (scripts/build-windows.sh)
#   skylyre-configurator-<version>.tar.gz      the source, git archive of the commit
#   SHA256SUMS                                 the checksums of the four
# The packages are built afresh, and the checkout must hold no change that is
# not committed, so that the source archive is the source of the packages.
# The Qt for Windows comes from $SKYLYRE_QT_WINDOWS, as for build-windows.sh.
# Exits non-zero when a build or a check fails.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -n "$(git status --porcelain)" ]]; then
    echo "The checkout holds changes that are not committed; commit or stash them first." >&2
    git status --short >&2
    exit 1
fi

rm -rf build/package build/windows-release
deb=$(bash scripts/build-debian-package.sh | tail -n 1)
bash scripts/build-windows.sh
version=$(dpkg-deb --field "$deb" Version)
windows="build/windows-release/SkylyreConfigurator-$version"

release="build/release-$version"
rm -rf "$release"
mkdir -p "$release"
cp "$deb" "$windows-win64.zip" "$windows-setup.exe" "$release/"
git archive --format=tar.gz --prefix="skylyre-configurator-$version/" \
    --output="$release/skylyre-configurator-$version.tar.gz" HEAD
(cd "$release" && sha256sum -- * >SHA256SUMS)
echo "The release is in $release:"
ls -l "$release"
