#!/usr/bin/env bash
# Makes the registry files of wine-fs2004/ as Wine itself writes them: a
# scratch 64-bit prefix, FS2004's keys added with `wine reg add` where its
# installer, its multiplayer and a user would put them, and of each file the
# header and the keys that finding FS2004 reads, copied as they are.
#
#   bash tests/simulator/data/make-wine-registry.sh
set -euo pipefail
cd "$(dirname "$0")"
prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot -i >/dev/null 2>&1

add() { wine reg add "$@" /f >/dev/null; }
fs2004='Software\Microsoft\Microsoft Games\Flight Simulator\9.0'
add "HKCU\\$fs2004" /v "EXE Path" /t REG_SZ /d 'E:\Flugsimulator 9\'
add "HKLM\\$fs2004" /v "EXE Path" /t REG_EXPAND_SZ /d '%ProgramFiles%\Microsoft Games\Flight Simulator 9\' /reg:32
add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Flight Simulator 9.0' \
    /v InstallLocation /t REG_SZ /d 'D:\Jeux\Caféd FS9' /reg:32
directplay='HKLM\Software\Microsoft\DirectPlay\Applications\Microsoft Flight Simulator 2004'
add "$directplay" /v Path /t REG_SZ /d 'F:\Спорт\FS2004' /reg:32
add "$directplay" /v File /t REG_SZ /d 'fs9.exe' /reg:32
add "$directplay" /v CurrentDirectory /t REG_SZ /d 'F:\Спорт\FS2004' /reg:32
wineserver -w

# keys <file> <key pattern...>: the file's header, then each key whose name
# matches one of the patterns, with all its lines.
keys() {
    local file="$1"
    shift
    patterns="$(printf '%s\n' "$@")" awk '
        BEGIN { n = split(ENVIRON["patterns"], wanted, "\n") }
        NR <= 4 { print; next }
        /^\[/ { keep = 0; for (i = 1; i <= n; i++) if (index($0, "[" wanted[i] "]") == 1) keep = 1 }
        keep' "$file"
}
mkdir -p wine-fs2004
keys "$prefix/system.reg" \
    'Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0' \
    'Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Flight Simulator 9.0' \
    'Software\\Wow6432Node\\Microsoft\\DirectPlay\\Applications\\Microsoft Flight Simulator 2004' \
    'Software\\Microsoft\\Windows\\CurrentVersion' \
    'System\\CurrentControlSet\\Control\\Nls\\Codepage' \
    'System\\CurrentControlSet\\Control\\Session Manager\\Environment' >wine-fs2004/system.reg
keys "$prefix/user.reg" \
    'Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0' \
    'Environment' >wine-fs2004/user.reg
