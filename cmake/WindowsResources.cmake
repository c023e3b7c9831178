# skylyre_add_windows_resources(<target> <description>): gives a Windows exe
# the program's icon, its version of project() with <description>, and the
# manifest (resources/windows/program.rc.in).
function(skylyre_add_windows_resources target description)
    enable_language(RC)
    set(SKYLYRE_EXE_NAME ${target})
    set(SKYLYRE_EXE_DESCRIPTION "${description}")
    set(SKYLYRE_WINDOWS_RESOURCES "${PROJECT_SOURCE_DIR}/resources/windows")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${SKYLYRE_WINDOWS_RESOURCES}/program.rc.in" "${rc}" @ONLY)
    target_sources(${target} PRIVATE "${rc}")
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${SKYLYRE_ICON_ICO}")
endfunction()
