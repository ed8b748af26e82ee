# Installs the build into a scratch prefix and checks that every file a desktop
# and a package need is there, that the desktop entry and the metainfo name what
# is installed, and that the release notes know the version.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(id org.plicora.Plicora)
foreach(path
    bin/plicora
    bin/plicora-cli
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${id}.svg
    share/man/man1/plicora.1.gz
    share/man/man1/plicora-cli.1.gz
    share/doc/plicora/copyright
    share/doc/plicora/changelog.gz)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(READ ${PREFIX}/share/applications/${id}.desktop entry)
foreach(line "Exec=plicora %F" "Icon=${id}" "MimeType=application/pdf;" "Categories=Office;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks the line '${line}'")
  endif()
endforeach()

file(READ ${PREFIX}/share/metainfo/${id}.metainfo.xml metainfo)
# A new version is a new entry in the package's changelog and in the metainfo's
# releases.
file(STRINGS ${DATA_DIR}/changelog top LIMIT_COUNT 1)
if(NOT top MATCHES "^plicora \\(${VERSION}\\) ")
  message(FATAL_ERROR "the changelog's last entry is not version ${VERSION}: '${top}'")
endif()
if(NOT metainfo MATCHES "<releases>[ \n]*<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo's newest release is not version ${VERSION}")
endif()
string(FIND "${metainfo}" "<launchable type=\"desktop-id\">${id}.desktop</launchable>" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the metainfo does not launch ${id}.desktop")
endif()
# Every screenshot of the README is offered, and nothing else; the Windows
# program's (windows-*.png) are not of the program this metainfo describes.
file(GLOB shots RELATIVE ${DATA_DIR}/../docs/screenshots ${DATA_DIR}/../docs/screenshots/*.png)
list(FILTER shots EXCLUDE REGEX "^windows-")
string(REGEX MATCHALL "screenshots/[^<]*\\.png</image>" offered "${metainfo}")
list(LENGTH shots shotCount)
list(LENGTH offered offeredCount)
if(NOT shotCount EQUAL offeredCount)
  message(FATAL_ERROR "${shotCount} screenshots in docs/, ${offeredCount} in the metainfo")
endif()
foreach(shot ${shots})
  string(FIND "${metainfo}" "screenshots/${shot}</image>" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the metainfo does not show ${shot}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
