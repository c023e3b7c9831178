# The licenses folder of the Windows packages, beside the exe: the program's
# license, and for what the packages ship from others, Qt and the MinGW-w64
# runtime, their licenses and where their exact source is. README.txt says
# which text goes with which file. The texts are those of Debian's packages
# that the build takes the libraries from, and Qt's source is Debian's too.

function(skylyre_debian_version package variable)
    execute_process(COMMAND dpkg-query --show --showformat=\${Version} ${package}
        OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
    set(${variable} "${version}" PARENT_SCOPE)
endfunction()

# The Qt for Windows is built from the source of Debian's qt6-base of the
# version this machine has, whose tools (moc, rcc) the build uses with it.
skylyre_debian_version(qt6-base-dev SKYLYRE_QT_DEBIAN_VERSION)
string(FIND "${SKYLYRE_QT_DEBIAN_VERSION}" "${Qt6_VERSION}+" at)
if(NOT at EQUAL 0)
    message(FATAL_ERROR "The Qt for Windows is ${Qt6_VERSION}, Debian's qt6-base here is "
        "${SKYLYRE_QT_DEBIAN_VERSION}: the licenses folder would name the wrong source.")
endif()
string(REPLACE "+" "%2B" SKYLYRE_QT_SNAPSHOT_VERSION "${SKYLYRE_QT_DEBIAN_VERSION}")
skylyre_debian_version(gcc-mingw-w64-x86-64-posix-runtime SKYLYRE_GCC_RUNTIME_DEBIAN_VERSION)
skylyre_debian_version(mingw-w64-x86-64-dev SKYLYRE_MINGW_DEBIAN_VERSION)

configure_file("${PROJECT_SOURCE_DIR}/resources/windows/licenses.txt.in" licenses/README.txt @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/licenses/README.txt" DESTINATION licenses)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION licenses RENAME GPL-3.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME LGPL-3.txt)
install(PROGRAMS "${PROJECT_SOURCE_DIR}/scripts/build-qt6-mingw64.sh" DESTINATION licenses)
install(FILES "${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake" DESTINATION licenses)
install(FILES /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
    DESTINATION licenses RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses RENAME mingw-w64.txt)
skylyre_debian_version(qt6-translations-l10n SKYLYRE_QT_TRANSLATIONS_DEBIAN_VERSION)
install(FILES /usr/share/doc/qt6-translations-l10n/copyright DESTINATION licenses RENAME qt-translations.txt)
