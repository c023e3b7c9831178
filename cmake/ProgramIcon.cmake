# The program's icon is drawn once, as resources/skylyre-configurator.svg.
# Each picture a system asks for is rendered from that drawing when the build
# is configured (again whenever the drawing changes), every size on its own so
# that none is a blurred scaling of another, into SKYLYRE_ICON_DIR:
#   hicolor/<size>x<size>/apps/skylyre-configurator.png (SKYLYRE_ICON_PNGS), in
#       the sizes of the desktops' icon theme, for the desktop entry and the windows;
#   skylyre-configurator.ico (SKYLYRE_ICON_ICO) on Windows, the icon of the exe
#       and the installer.

find_program(SKYLYRE_RSVG_CONVERT rsvg-convert REQUIRED)
set(SKYLYRE_ICON_SVG "${PROJECT_SOURCE_DIR}/resources/skylyre-configurator.svg")
set(SKYLYRE_ICON_DIR "${PROJECT_BINARY_DIR}/icon")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${SKYLYRE_ICON_SVG}")

set(SKYLYRE_ICON_PNGS)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    set(folder "${SKYLYRE_ICON_DIR}/hicolor/${size}x${size}/apps")
    set(png_${size} "${folder}/skylyre-configurator.png")
    list(APPEND SKYLYRE_ICON_PNGS "${png_${size}}")
    if("${SKYLYRE_ICON_SVG}" IS_NEWER_THAN "${png_${size}}")
        file(MAKE_DIRECTORY "${folder}")
        execute_process(COMMAND "${SKYLYRE_RSVG_CONVERT}" --width ${size} --height ${size}
            --output "${png_${size}}" "${SKYLYRE_ICON_SVG}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()

if(WIN32)
    # The sizes Windows shows in lists, title bars and the task bar, and 256
    # for its large views, kept as a PNG inside the .ico as Windows expects.
    find_program(SKYLYRE_ICOTOOL icotool REQUIRED)
    set(SKYLYRE_ICON_ICO "${SKYLYRE_ICON_DIR}/skylyre-configurator.ico")
    if("${SKYLYRE_ICON_SVG}" IS_NEWER_THAN "${SKYLYRE_ICON_ICO}")
        execute_process(COMMAND "${SKYLYRE_ICOTOOL}" --create --output "${SKYLYRE_ICON_ICO}"
            "${png_16}" "${png_24}" "${png_32}" "${png_48}" "${png_64}" "--raw=${png_256}"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endif()
