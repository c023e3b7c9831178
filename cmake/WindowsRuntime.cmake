# What a Windows program of this project needs beside its exe: the Qt
# libraries it links (TARGET_RUNTIME_DLLS), Qt's Windows platform and style
# plugins, its TLS plugin (Windows' own Schannel), without which no https
# address can be fetched, its JPEG plugin, without which the hangar shows no
# aircraft's thumbnail, Qt's catalogues of the languages the program speaks
# (translations\qtbase_<language>.qm, the words of Qt's own dialogs and
# buttons), and the MinGW runtime.

set(skylyre_mingw_runtime)
foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    cmake_path(NORMAL_PATH found)
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "The MinGW runtime ${runtime} is not where the compiler says: ${found}")
    endif()
    list(APPEND skylyre_mingw_runtime "${found}")
endforeach()

# Copies the runtime beside <target> in the build tree, with the offscreen
# platform too, so that the program and the tests run there (under Wine
# without a display as well).
function(skylyre_copy_windows_runtime target)
    set(here "$<TARGET_FILE_DIR:${target}>")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_RUNTIME_DLLS:${target}> ${skylyre_mingw_runtime} "${here}"
        COMMAND ${CMAKE_COMMAND} -E make_directory
            "${here}/platforms" "${here}/styles" "${here}/tls" "${here}/imageformats" "${here}/translations"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>"
            "$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>" "${here}/platforms"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>" "${here}/styles"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            "$<TARGET_FILE:Qt6::QSchannelBackendPlugin>" "${here}/tls"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
            "$<TARGET_FILE:Qt6::QJpegPlugin>" "${here}/imageformats"
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${SKYLYRE_QT_CATALOGUES} "${here}/translations"
        COMMAND_EXPAND_LISTS VERBATIM)
endfunction()

# Installs the runtime of <target> into the install folder's top.
function(skylyre_install_windows_runtime target)
    install(FILES $<TARGET_RUNTIME_DLLS:${target}> ${skylyre_mingw_runtime} DESTINATION .)
    install(FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>" DESTINATION platforms)
    install(FILES "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>" DESTINATION styles)
    install(FILES "$<TARGET_FILE:Qt6::QSchannelBackendPlugin>" DESTINATION tls)
    install(FILES "$<TARGET_FILE:Qt6::QJpegPlugin>" DESTINATION imageformats)
    install(FILES ${SKYLYRE_QT_CATALOGUES} DESTINATION translations)
endfunction()
