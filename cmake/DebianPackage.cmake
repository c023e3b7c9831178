# The Debian package (scripts/build-debian-package.sh): CPack's DEB generator
# over the install of the package preset, which the programs' install rules
# fill, and Debian's own files beside them: the copyright file, the changelog,
# made from CHANGELOG.md, and lintian's overrides.

include(InstallGzipped)
set(package skylyre-configurator)
set(debian "${PROJECT_SOURCE_DIR}/resources/debian")
set(documents "${CMAKE_INSTALL_DATADIR}/doc/${package}")

configure_file("${debian}/copyright.in" copyright @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/copyright" DESTINATION "${documents}")

execute_process(
    COMMAND awk -v package=${package} -v "maintainer=${SKYLYRE_MAINTAINER}"
        -f "${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.awk" "${SKYLYRE_CHANGELOG}"
    OUTPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/changelog" COMMAND_ERROR_IS_FATAL ANY)
skylyre_install_gzipped("${CMAKE_CURRENT_BINARY_DIR}/changelog" "${documents}")

install(FILES "${debian}/lintian-overrides" DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides"
    RENAME ${package})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${package})
set(CPACK_PACKAGE_VENDOR "Arandel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Installs the Skylyre music player into FS2004 aircraft kneeboards")
# Read here, as CPack would write the file's apostrophes as XML entities.
file(READ "${debian}/description" CPACK_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SKYLYRE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SKYLYRE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (the buttons of a message box, the file dialog) in the
# language the program speaks; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The desktop entry names the installed folders, so the package installs there too.
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
include(CPack)
