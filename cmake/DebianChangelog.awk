# Writes the releases of CHANGELOG.md as a Debian changelog: each release
# ("## [1.5.0] - 2026-12-07") an entry, each of its sections ("### Added") an
# item over the section's notes. Other headings ("## [Unreleased]") and what
# is under them are left out.
#
#   awk -v package=<name> -v maintainer="<name> <address>" -f DebianChangelog.awk CHANGELOG.md

function endEntry(    command, stamp)
{
    if (version == "")
        return
    command = "date --utc --rfc-email --date=" date
    command | getline stamp
    close(command)
    printf "\n -- %s  %s\n", maintainer, stamp
    version = ""
}

/^## / {
    endEntry()
    if ($0 ~ /^## \[[0-9.]+\] - [0-9-]+$/) {
        match($0, /\[[0-9.]+\]/)
        version = substr($0, RSTART + 1, RLENGTH - 2)
        date = $NF
        if (entries++)
            print ""
        printf "%s (%s) unstable; urgency=medium\n\n", package, version
    }
    next
}

version == "" || /^$/ { next }
/^### / { print "  * " substr($0, 5) ":"; next }
/^- / { print "    - " substr($0, 3); next }
/^  / { print "      " substr($0, 3); next }
{ print "  " $0 }

END { endEntry() }
