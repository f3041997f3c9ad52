# The Debian package. In the build folder, `cpack -G DEB` gives
# vud_<version>_<architecture>.deb, with the programs in /usr/bin and the data
# in /usr/share/vud.

set(VUD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vud)
set(VUD_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
    OUTPUT ${VUD_CHANGELOG}
    COMMAND sh -c "${GZIP_EXECUTABLE} -9n -c '${CMAKE_CURRENT_LIST_DIR}/changelog' > '${VUD_CHANGELOG}'"
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${VUD_CHANGELOG})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${VUD_CHANGELOG} DESTINATION ${VUD_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vud)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0)
set(CPACK_PACKAGE_VENDOR "El taller VUD")
set(CPACK_PACKAGE_CONTACT "El taller VUD <taller@vud.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture puzzle for small children")
# The long description: CPack puts the summary above it, indents each line
# and turns the empty line into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "VUD cuts a picture into square pieces, shuffles them and lets a small child
put it back together by lifting a piece and dropping it where it belongs.
A clock and a move counter run, and the finished picture comes alive with
animated drawings.

The package holds the game (vud2), the puzzle editor (vudeditor) with which
a grown-up places drawings on pictures to make new puzzles, and a set of
sample pictures, drawings and sounds. The programs are in Spanish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for packages whose programs are in
# /usr/games, and the editor is no game.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vud.org/")
# The libraries come from the binaries; what they load at run time does not:
# the font the windows ask for (Arial, met by Liberation Sans) and the Qt
# image plug-ins for pictures a family adds beyond BMP, PNG, JPEG and GIF,
# and the SQLite driver of Qt SQL that keeps the children's results.
# The sound plug-ins come with libqt6multimedia6, which the libraries bring.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-image-formats-plugins, libqt6sql6-sqlite")
# Qt's own texts (a file dialog's, a text box's menu) in the family's
# language; without them they read in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The file cpack makes, as Debian names it (the tests look for it).
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE VUD_DEB_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT VUD_DEB_ARCHITECTURE)
    set(VUD_DEB_ARCHITECTURE amd64)
endif()
set(VUD_DEB_NAME ${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}_${VUD_DEB_ARCHITECTURE}.deb)
