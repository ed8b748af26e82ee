# What `cmake --install` puts in place, and the Debian package made of it by
# `cpack -G DEB`.
include(GNUInstallDirs)

set(PLICORA_APP_ID org.plicora.Plicora)
set(PLICORA_DATA_DIR ${CMAKE_CURRENT_SOURCE_DIR}/data)

if(TARGET plicora)
  install(TARGETS plicora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PLICORA_DATA_DIR}/${PLICORA_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PLICORA_DATA_DIR}/${PLICORA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons/plicora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${PLICORA_APP_ID}.svg)
endif()
if(TARGET plicora-cli)
  install(TARGETS plicora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PLICORA_DATA_DIR}/plicora-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plicora)
set(CPACK_PACKAGE_VENDOR Tarvex)
set(CPACK_PACKAGE_CONTACT "Plicora developers <support@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "join PDF files into one, or cut one PDF file into several")
set(CPACK_PACKAGE_DESCRIPTION
  "A small desktop tool, with a command-line companion (plicora-cli), that merges\n\
PDF files in a chosen order and splits one PDF every N pages or by page ranges.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.com/plicora/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
# What dpkg-shlibdeps cannot see from the programs' links: the SVG plugins that
# draw every icon, and the exact engine's library. Without the tool, the linked
# libraries are listed by hand. Ghostscript is loaded at run time, and only its
# engine needs it.
find_program(PLICORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), libqpdf29")
if(PLICORA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
    ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libstdc++6 (>= 12), libc6 (>= 2.36)")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgs10")
include(CPack)
