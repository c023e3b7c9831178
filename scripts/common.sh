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

# workflow <preset>: the workflow of that name in CMakePresets.json, which
# configures and builds, then tests or packages for some, with as many jobs
# as the machine has cores unless CMAKE_BUILD_PARALLEL_LEVEL and
# CTEST_PARALLEL_LEVEL say otherwise.
workflow() {
    CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)} \
        CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)} \
        cmake --workflow --preset "$1"
}
