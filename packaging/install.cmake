# Helpers for the install rules that each program's folder states for itself.

find_program(GZIP_EXECUTABLE gzip REQUIRED)

# vud_gzip_man_page(source compressed target): a target that compresses a page as
# Debian wants it (no name or time stamp inside, so the bytes are the same on
# every build).
function(vud_gzip_man_page source compressed target)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND sh -c "${GZIP_EXECUTABLE} -9n -c '${source}' > '${compressed}'"
        DEPENDS ${source}
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${compressed})
endfunction()

# vud_install_man_page(name.N): installs the page, compressed, into the man
# folder of its section N, and each translation of it, man/LANG/name.N beside
# it, into the man folder of its section under LANG.
function(vud_install_man_page page)
    string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${page})
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${page}.gz)
    vud_gzip_man_page(${CMAKE_CURRENT_SOURCE_DIR}/${page} ${compressed} man_${page})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
    file(GLOB translations CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/man/*/${page})
    foreach(translation IN LISTS translations)
        get_filename_component(folder ${translation} DIRECTORY)
        get_filename_component(language ${folder} NAME)
        set(compressed ${CMAKE_CURRENT_BINARY_DIR}/man/${language}/${page}.gz)
        file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/man/${language})
        vud_gzip_man_page(${translation} ${compressed} man_${language}_${page})
        install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man${section})
    endforeach()
endfunction()
