# The languages the programs speak besides English, the language of their
# source: one catalogue each, resources/translations/skylyre_<language>.ts,
# kept up to date by scripts/update-translations.sh and checked by
# scripts/check-translations.sh.
set(SKYLYRE_LANGUAGES de es fr it pt_BR)
set(SKYLYRE_TRANSLATIONS_DIR "${PROJECT_SOURCE_DIR}/resources/translations")

# The help page, help.htm, and its translation into each language,
# help_<language>.htm, in resources/.
set(SKYLYRE_HELP_PAGES help.htm)
foreach(language IN LISTS SKYLYRE_LANGUAGES)
    list(APPEND SKYLYRE_HELP_PAGES help_${language}.htm)
endforeach()

# Qt's lrelease (Debian's qt6-l10n-tools) runs on the building machine, also
# for a Windows build.
find_program(SKYLYRE_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED)

# Compiles the catalogues and embeds them into <target> as
# ":/translations/skylyre_<language>.qm".
function(skylyre_add_translations target)
    set(compiled)
    foreach(language IN LISTS SKYLYRE_LANGUAGES)
        set(catalogue "${SKYLYRE_TRANSLATIONS_DIR}/skylyre_${language}.ts")
        set(qm "${CMAKE_CURRENT_BINARY_DIR}/translations/skylyre_${language}.qm")
        add_custom_command(OUTPUT "${qm}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/translations"
            COMMAND ${SKYLYRE_LRELEASE} -silent "${catalogue}" -qm "${qm}"
            DEPENDS "${catalogue}"
            VERBATIM)
        list(APPEND compiled "${qm}")
    endforeach()
    qt_add_resources(${target} "translations"
        PREFIX "/translations"
        BASE "${CMAKE_CURRENT_BINARY_DIR}/translations"
        FILES ${compiled})
endfunction()

# Qt's own catalogues of those languages (Debian's qt6-translations-l10n):
# the words of Qt's dialogs and buttons. Linux finds them where Qt keeps
# them; a Windows program carries them in "translations" beside its exe.
set(SKYLYRE_QT_CATALOGUES)
foreach(language IN LISTS SKYLYRE_LANGUAGES)
    list(APPEND SKYLYRE_QT_CATALOGUES "/usr/share/qt6/translations/qtbase_${language}.qm")
endforeach()
