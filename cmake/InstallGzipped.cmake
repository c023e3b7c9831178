# skylyre_install_gzipped(<file> <destination>): installs <file>, made in the
# build tree, as <destination>/<name>.gz, compressed as Debian compresses
# manual pages and changelogs: gzip -9, without the name and time stamp that
# would make each build's file differ.

find_program(SKYLYRE_GZIP gzip REQUIRED)

function(skylyre_install_gzipped file destination)
    cmake_path(GET file FILENAME name)
    add_custom_command(OUTPUT "${file}.gz"
        COMMAND "${SKYLYRE_GZIP}" -9 --no-name --keep --force "${file}"
        DEPENDS "${file}" VERBATIM)
    add_custom_target("gzip-${name}" ALL DEPENDS "${file}.gz")
    install(FILES "${file}.gz" DESTINATION "${destination}")
endfunction()
