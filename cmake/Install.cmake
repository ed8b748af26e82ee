# What `cmake --install` puts in place, and the Debian package made of it by
# `cpack -G DEB`.
include(GNUInstallDirs)

set(PLICORA_APP_ID org.plicora.Plicora)
set(PLICORA_DATA_DIR ${CMAKE_CURRENT_SOURCE_DIR}/data)
# Named for the package, as Debian's tools look for it, not for the project.
set(PLICORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/plicora)

# Who signs the package: the packager, as Debian's own tools take it (DEBFULLNAME
# and DEBEMAIL, the latter possibly "Name <address>"), else the maker.
set(maintainer "Tarvex <support@example.com>")
if(DEFINED ENV{DEBEMAIL} AND "$ENV{DEBEMAIL}" MATCHES "<")
  set(maintainer "$ENV{DEBEMAIL}")
elseif(DEFINED ENV{DEBEMAIL} AND DEFINED ENV{DEBFULLNAME})
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
set(PLICORA_PACKAGE_MAINTAINER "${maintainer}" CACHE STRING "The package's maintainer, as 'Name <address>'")

# Manual pages and the changelog carry the version and the maintainer, and are
# compressed as Debian wants them: at the best level, without name or time inside,
# so that the same sources give the same bytes.
set(PLICORA_GENERATED_DATA ${CMAKE_CURRENT_BINARY_DIR}/data)
function(plicora_data_gz name)
  configure_file(${PLICORA_DATA_DIR}/${name} ${PLICORA_GENERATED_DATA}/${name} @ONLY)
  execute_process(COMMAND gzip -9nc ${PLICORA_GENERATED_DATA}/${name}
    OUTPUT_FILE ${PLICORA_GENERATED_DATA}/${name}.gz RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${name}: ${result}")
  endif()
endfunction()

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
endif()
if(UNIX)
  foreach(program plicora plicora-cli)
    if(TARGET ${program})
      plicora_data_gz(${program}.1)
      install(FILES ${PLICORA_GENERATED_DATA}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endforeach()
  plicora_data_gz(changelog)
  install(FILES ${PLICORA_GENERATED_DATA}/changelog.gz ${PLICORA_DATA_DIR}/copyright
    DESTINATION ${PLICORA_DOC_DIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plicora)
set(CPACK_PACKAGE_VENDOR Tarvex)
set(CPACK_PACKAGE_CONTACT "${PLICORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "join PDF files into one, or cut one PDF file into several")
set(CPACK_PACKAGE_DESCRIPTION
  "A small desktop tool, with a command-line companion (plicora-cli), that merges\n\
PDF files in a chosen order and splits one PDF every N pages or by page ranges.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
# What dpkg-shlibdeps cannot see from the programs' links: the SVG plugins that
# draw every icon. It needs the file program to find the programs; without the
# two, the linked libraries are listed by hand. Ghostscript is loaded at run
# time, and only its engine needs it.
find_program(PLICORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(PLICORA_FILE_PROGRAM file)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
if(PLICORA_DPKG_SHLIBDEPS AND PLICORA_FILE_PROGRAM)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqpdf29, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), "
    "libqt6widgets6 (>= 6.4), libstdc++6 (>= 12), libc6 (>= 2.36)")
  if(PLICORA_HAS_PAGE_PICTURES)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6pdf6 (>= 6.4)")
  endif()
  if(PLICORA_HAS_JEMALLOC)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libjemalloc2")
  endif()
endif()
# Qt's own words (file dialogs, Yes and No) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgs10, qt6-translations-l10n")
include(CPack)
