# Desktop integration and the Debian package. The program itself is installed
# by src/CMakeLists.txt; here come the files around it: the desktop entry,
# the icon, the AppStream data, the file types, the manual pages and the
# examples, and the package made from all of it with `cpack -G DEB`.

include(GNUInstallDirs)

set(LORQA_APP_ID example.lorqa.Lorqa)
set(dist ${PROJECT_SOURCE_DIR}/dist)
set(generated ${CMAKE_BINARY_DIR}/generated)

configure_file(${dist}/${LORQA_APP_ID}.metainfo.xml.in ${generated}/${LORQA_APP_ID}.metainfo.xml @ONLY)
configure_file(${dist}/lorqa.1.in ${generated}/lorqa.1 @ONLY)
configure_file(${dist}/lorqa-cli.1.in ${generated}/lorqa-cli.1 @ONLY)

# The icon's pixel sizes, rendered from the one drawing at build time.
set(LORQA_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(LORQA_RSVG_CONVERT rsvg-convert)
if(NOT LORQA_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (package librsvg2-bin) is needed to render the icon; "
                      "scripts/install-deps.sh installs it.")
endif()
set(icon_pngs)
foreach(size IN LISTS LORQA_ICON_SIZES)
  set(png ${generated}/icons/${size}x${size}/lorqa.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
    COMMAND ${LORQA_RSVG_CONVERT} --width=${size} --height=${size} --format=png
            --output=${png} ${dist}/lorqa.svg
    DEPENDS ${dist}/lorqa.svg
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(lorqa_icons ALL DEPENDS ${icon_pngs})

install(FILES ${dist}/lorqa.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${dist}/${LORQA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${LORQA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist}/lorqa-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME lorqa.xml)
install(FILES ${generated}/lorqa.1 ${generated}/lorqa-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The examples also mark the program as installed: beside an installed
# executable the program keeps no files of its own (src/files/program_folder.cpp).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lorqa/examples)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# ---- the Debian package ------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lorqa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lorqa")
set(CPACK_PACKAGE_CONTACT "Lorqa <pomoc@lorqa.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Polish quarterly VAT declaration: fill in, compute, check, print")
set(CPACK_PACKAGE_DESCRIPTION
    "Lorqa fills in, computes, checks, saves, loads and prints the Polish quarterly\n"
    "VAT declaration (form version 12). It comes with lorqa-cli, which computes,\n"
    "checks and writes PDF files without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lorqa.example)
# The Qt libraries the programs link are found by dpkg-shlibdeps; what is only
# loaded at run time is named here: the Liberation fonts of the printed pages,
# the Polish texts of Qt's dialogs; libqt6svg6 also holds the SVG icon engine
# that draws the buttons' glyphs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, xdg-utils")
include(CPack)
