# Helpers for the install rules that each program's folder states for itself.

find_program(GZIP_EXECUTABLE gzip REQUIRED)

# vud_install_man_page(name.N): installs the page, compressed as Debian wants
# it (no name or time stamp inside, so the bytes are the same on every build),
# into the man folder of its section N.
function(vud_install_man_page page)
    string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${page})
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/${page})
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${page}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND sh -c "${GZIP_EXECUTABLE} -9n -c '${source}' > '${compressed}'"
        DEPENDS ${source}
        VERBATIM)
    add_custom_target(man_${page} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
