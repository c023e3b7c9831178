#!/usr/bin/env bash
# Builds the Debian package and checks it with Debian's tools
# (scripts/build-debian-package.sh), then tries it as a user would, without
# touching the machine: dpkg installs it into a root folder of its own, whose
# list of installed packages is a copy of the machine's, so that dpkg checks
# the package's dependencies and files against what is really installed; the
# installed program answers --version without a display, and so does the
# console program skylyre, beside its manual page; dpkg removes the
# package and leaves nothing behind.
# Exits non-zero at the first thing that is not so.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

# Through a file of its own: a tee to /dev/stderr would open the caller's log
# anew and cut it short.
mkdir -p build
bash scripts/build-debian-package.sh | tee build/debian-package.log
deb=$(tail -n 1 build/debian-package.log)
version=$(dpkg-deb --field "$deb" Version)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
cp /var/lib/dpkg/status "$root/var/lib/dpkg/"
cp /var/lib/dpkg/info/*.list "$root/var/lib/dpkg/info/"

dpkg --root="$root" --install "$deb" >/dev/null || fail "dpkg did not install $deb"
checked "dpkg installs the package, its dependencies met"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/skylyre-configurator" --version) ||
    fail "skylyre-configurator --version failed"
# The version, then the maker's site the build names.
site="Maker's site: $(sed -n 's/^SKYLYRE_MAKER_SITE:STRING=//p' build/package/CMakeCache.txt)/velmora"
[[ "$answer" == "skylyre-configurator $version"$'\n'"$site" ]] ||
    fail "skylyre-configurator --version says \"$answer\""
checked "skylyre-configurator --version says \"$answer\" without a display"
answer=$("$root/usr/bin/skylyre" --version) || fail "skylyre --version failed"
[[ "$answer" == "skylyre $version"$'\n'"$site" ]] || fail "skylyre --version says \"$answer\""
[[ -f "$root/usr/share/man/man1/skylyre.1.gz" ]] || fail "the package has no manual page of skylyre"
checked "the console program skylyre says \"$answer\", and has its manual page"

dpkg --root="$root" --purge skylyre-configurator >/dev/null || fail "dpkg did not remove the package"
left=$(find "$root" -mindepth 1 -path "$root/var" -prune -o -print)
[[ -z "$left" ]] || fail "removing the package left $left"
checked "dpkg removes the package and everything it installed"
echo "The Debian package passes Debian's checks, installs, answers and uninstalls."
