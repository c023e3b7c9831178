#!/usr/bin/env bash
# Builds the Windows packages (scripts/build-windows.sh) and tries them as a
# user would, under Wine in a prefix of their own and on a virtual display:
# the zip holds the portable folder with stripped binaries, the console
# program skylyre.exe, Qt's TLS plugin and the licenses folder; the installer
# shows the program's license first; run silently, it installs the program
# into Program Files with a Start-menu shortcut and an entry in the list of
# installed programs, beside it the console program, which answers; the
# program started
# through the shortcut shows its window and finds its help page, started from
# another folder it says "Help file not found"; the silent uninstaller removes
# everything it installed. Exits non-zero at the first thing that is not so.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source scripts/display.sh
source scripts/wine.sh

bash scripts/build-windows.sh
build=build/windows-release
version=$(project_version "$build")
zip="$build/SkylyreConfigurator-$version-win64.zip"
setup="$build/SkylyreConfigurator-$version-setup.exe"

folder="SkylyreConfigurator-$version-win64"
listing=$(cmake -E tar tf "$zip")
for file in skylyre-configurator.exe skylyre.exe help.htm help_de.htm translations/qtbase_de.qm Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Network.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll tls/qschannelbackend.dll imageformats/qjpeg.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    grep -qx "$folder/$file" <<<"$listing" || fail "the zip has no $folder/$file"
done
checked "the zip holds the program, the console program, its help pages, Qt, its plugins (TLS and JPEG too), its catalogues and the MinGW runtime"
headers=$(x86_64-w64-mingw32-objdump -p "$build/$folder/skylyre.exe") || fail "objdump could not read skylyre.exe"
grep -q '^Subsystem.*(Windows CUI)' <<<"$headers" || fail "skylyre.exe is not a console program"
checked "skylyre.exe is a console program"
for exe in skylyre-configurator.exe skylyre.exe; do
    resource_texts=$(strings -el "$build/$folder/$exe") || fail "strings could not read $exe"
    grep -qx "$exe" <<<"$resource_texts" || fail "$exe has no version resource that names it"
done
checked "both exes carry their version resource"
for file in README.txt GPL-3.txt LGPL-3.txt gcc-runtime.txt mingw-w64.txt build-qt6-mingw64.sh \
    mingw-w64-x86_64.cmake; do
    grep -qx "$folder/licenses/$file" <<<"$listing" || fail "the zip has no $folder/licenses/$file"
done
cmp -s LICENSE "$build/$folder/licenses/GPL-3.txt" || fail "licenses/GPL-3.txt is not the program's license"
grep -q "qt6-base=$(dpkg-query --show --showformat='${Version}' qt6-base-dev)\$" "$build/$folder/licenses/README.txt" ||
    fail "licenses/README.txt does not name the source of Qt"
checked "the zip holds the licenses folder: the program's license, Qt's and the MinGW runtime's, and Qt's source"
for binary in "$build/$folder"/*.exe "$build/$folder"/*.dll; do
    sections=$(x86_64-w64-mingw32-objdump -h "$binary") || fail "objdump could not read $binary"
    ! grep -q '\.debug_' <<<"$sections" || fail "$binary is not stripped"
done
checked "the binaries are stripped"

start_display 800x600
trap 'stop_wine; stop_display' EXIT
unset QT_QPA_PLATFORM # the real Windows platform, on the virtual display
# Started on the display, so that Wine's desktop shows the programs there.
prefix=build/wine-package
rm -rf "$prefix"
start_wine "$prefix"

installed="$WINEPREFIX/drive_c/Program Files/Skylyre Configurator"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Skylyre Configurator.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\SkylyreConfigurator'

# Ends every program of the prefix and waits until they are gone.
end_programs() {
    wineserver -k
    wineserver -w
    wineserver -p </dev/null >/dev/null 2>&1
}

# Started as a user starts it, the installer shows the program's license
# first. Wine's trace of the texts its windows are given shows the page.
texts="$WINEPREFIX/installer-texts.log"
WINEDEBUG=trace+win wine "$setup" 2>"$texts" &
for _ in $(seq 150); do
    grep -aq 'set_window_text L"License Agreement"' "$texts" && break
    sleep 0.2
done
grep -aq 'set_window_text L"License Agreement"' "$texts" || fail "the installer shows no license page"
end_programs
[[ ! -e "$installed" ]] || fail "the installer installed before its license was read"
checked "the installer shows the program's license first"

wine "$setup" /S
while IFS= read -r -d '' file; do
    cmp -s "$build/$folder/$file" "$installed/$file" || fail "the installer did not install $file"
done < <(cd "$build/$folder" && find . -type f -print0)
[[ -f "$installed/Uninstall Skylyre Configurator.exe" ]] || fail "no uninstaller was installed"
[[ -f "$shortcut" ]] || fail "no Start-menu shortcut"
wine reg query "$key" /v DisplayName /reg:64 | grep -q "Skylyre Configurator" ||
    fail "no entry in the list of installed programs"
checked "the silent installer installed the program, a shortcut and an entry in the installed programs"
answer=$(wine "$installed/skylyre.exe" --version | tr -d '\r') || fail "the installed skylyre.exe --version failed"
[[ "$(head -n 1 <<<"$answer")" == "skylyre $version" ]] ||
    fail "the installed skylyre.exe --version says \"$answer\""
checked "the installed console program says \"$answer\""

wine start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Skylyre Configurator.lnk"
window_id "Skylyre Configurator" >/dev/null || fail "the program started through its shortcut shows no window"
sleep 2
! xwininfo -name "Error" >/dev/null 2>&1 || fail "started through its shortcut, the program did not find help.htm"
end_programs
checked "started through its shortcut, the program shows its window and finds its help page"

(cd "$WINEPREFIX/drive_c" && wine "$installed/skylyre-configurator.exe" &)
window_id "Error" >/dev/null || fail "started from another folder, the program did not say that help is missing"
end_programs
checked "started from another folder, the program says \"Help file not found\""

# The uninstaller goes on in a copy of itself in the temporary folder.
wine "$installed/Uninstall Skylyre Configurator.exe" /S
for _ in $(seq 150); do
    [[ -e "$installed" ]] || break
    sleep 0.2
done
[[ ! -e "$installed" ]] || fail "the uninstaller left $(find "$installed" | head -n 3)"
[[ ! -e "$shortcut" ]] || fail "the uninstaller left the Start-menu shortcut"
# The list is read whole, so that Wine failing to run cannot pass for a missing entry.
installed_programs=$(wine reg query "${key%\\*}" /reg:64) || fail "wine could not read the list of installed programs"
! grep -qiE '\\SkylyreConfigurator[[:space:]]*$' <<<"$installed_programs" ||
    fail "the uninstaller left the entry in the installed programs"
checked "the silent uninstaller removed everything it installed"
echo "The Windows packages install, start and uninstall under Wine."
