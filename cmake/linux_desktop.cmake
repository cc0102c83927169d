# What makes the installed program a desktop application on Linux: the menu entry, the icons, the
# AppStream metadata, the manual pages, the licence, and a Debian package built by CPack.
set(ORDAVEX_APP_ID it.ordavex.Ordavex)
set(ORDAVEX_LINUX_DIR ${CMAKE_SOURCE_DIR}/packaging/linux)
set(ORDAVEX_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)

install(FILES ${ORDAVEX_LINUX_DIR}/${ORDAVEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORDAVEX_LINUX_DIR}/${ORDAVEX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/ordavex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ORDAVEX_APP_ID}.svg)
foreach(size IN ITEMS 48 128 256)
  install(FILES ${ORDAVEX_LINUX_DIR}/icons/ordavex-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ORDAVEX_APP_ID}.png)
endforeach()

# Debian wants manual pages and the changelog compressed at the highest level, without a time stamp.
find_program(ORDAVEX_GZIP gzip)
set(ORDAVEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/ordavex)
function(ordavex_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  set(compressed ${ORDAVEX_GENERATED_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORDAVEX_GENERATED_DIR}
    COMMAND ${ORDAVEX_GZIP} -9nc ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
  set(ORDAVEX_COMPRESSED_FILES ${ORDAVEX_COMPRESSED_FILES} ${compressed} PARENT_SCOPE)
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()
if(ORDAVEX_GZIP)
  ordavex_install_compressed(${ORDAVEX_LINUX_DIR}/man/ordavex.1 ${CMAKE_INSTALL_MANDIR}/man1)
  ordavex_install_compressed(${ORDAVEX_LINUX_DIR}/man/ordavex_matrices.1 ${CMAKE_INSTALL_MANDIR}/man1)
  ordavex_install_compressed(${ORDAVEX_LINUX_DIR}/changelog ${ORDAVEX_DOC_DIR})
  add_custom_target(ordavex_compressed_docs ALL DEPENDS ${ORDAVEX_COMPRESSED_FILES})
else()
  install(FILES ${ORDAVEX_LINUX_DIR}/man/ordavex.1 ${ORDAVEX_LINUX_DIR}/man/ordavex_matrices.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${ORDAVEX_LINUX_DIR}/copyright DESTINATION ${ORDAVEX_DOC_DIR})

set(CPACK_PACKAGE_NAME ordavex)
set(CPACK_PACKAGE_VENDOR Quarnelo)
set(CPACK_PACKAGE_CONTACT "Quarnelo <info@ordavex.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reduced systems for the Italian lottery")
set(CPACK_PACKAGE_DESCRIPTION
    "Ordavex develops the matrices of reduced systems onto the player's forecast
numbers, checks the guarantee written in a matrix's name against its lines,
saves and cleans the systems, and checks them against a draw of 20 numbers
out of 90. The program speaks Italian. The package also holds
ordavex_matrices, a tool that verifies and generates matrices.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.ordavex.it/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Loaded by Qt at run time, so the scan of the linked libraries cannot see them: the SVG image
# plugin draws every picture, the X11 platform plugin opens the windows, the Italian translations
# speak in the file dialogs, and the fonts stand in for the families the windows are designed in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation | fonts-liberation2, fonts-dejavu-core")
include(CPack)
