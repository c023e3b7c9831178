# The release of project() as CHANGELOG.md records it: the newest of its
# releases, each a heading "## [<version>] - <yyyy-mm-dd>" over its notes.
# Its date, SKYLYRE_RELEASE_DATE, goes into the manual pages and the AppStream
# metadata; DebianPackage.cmake turns the notes into the Debian changelog.

set(SKYLYRE_CHANGELOG "${PROJECT_SOURCE_DIR}/CHANGELOG.md")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${SKYLYRE_CHANGELOG}")
file(READ "${SKYLYRE_CHANGELOG}" notes)
string(REGEX MATCH "\n## \\[([0-9.]+)\\] - ([0-9]+-[0-9]+-[0-9]+)\n" newest "${notes}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The newest release of CHANGELOG.md is \"${CMAKE_MATCH_1}\", not ${PROJECT_VERSION} "
        "of project(): add the heading \"## [${PROJECT_VERSION}] - <yyyy-mm-dd>\" over its notes.")
endif()
set(SKYLYRE_RELEASE_DATE "${CMAKE_MATCH_2}")
