# Sourced by the scripts that build and check.
#
# fail <message> ends the script, saying what is not so; checked <message>
# says what a check found so.
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

checked() {
    echo "ok: $*"
}

# project_version <build folder>: the version of project() in the build
# folder's configuration.
project_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}
