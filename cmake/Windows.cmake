# What a Windows program of ours carries besides its code: the icon, made from
# our own SVG when the program is built, and a version resource from
# PROJECT_VERSION.
set(PLICORA_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/../resources)

# plicora.ico: 16 to 32 pixels as bitmaps (the sizes small icons are drawn at),
# 48 to 256 as PNG (smaller; Windows Vista and later read them).
find_program(PLICORA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(PLICORA_ICOTOOL icotool REQUIRED)
set(PLICORA_ICO ${CMAKE_BINARY_DIR}/windows-icon/plicora.ico)
set(plicora_icon_svg ${PLICORA_RESOURCES}/icons/plicora.svg)
set(plicora_icon_dir ${CMAKE_BINARY_DIR}/windows-icon)
set(plicora_icon_commands)
set(plicora_icon_parts)
foreach(size 16 24 32 48 64 128 256)
  set(png ${plicora_icon_dir}/${size}.png)
  list(APPEND plicora_icon_commands
    COMMAND ${PLICORA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${plicora_icon_svg})
  if(size LESS 48)
    list(APPEND plicora_icon_parts ${png})
  else()
    list(APPEND plicora_icon_parts -r ${png})
  endif()
endforeach()
add_custom_command(OUTPUT ${PLICORA_ICO}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${plicora_icon_dir}
  ${plicora_icon_commands}
  COMMAND ${PLICORA_ICOTOOL} -c -o ${PLICORA_ICO} ${plicora_icon_parts}
  DEPENDS ${plicora_icon_svg}
  COMMENT "Making plicora.ico from plicora.svg"
  VERBATIM)
add_custom_target(plicora_windows_icon DEPENDS ${PLICORA_ICO})

# Gives an executable the icon and a version resource naming `description`.
function(plicora_windows_resources target description)
  set(PLICORA_RC_NAME ${target})
  set(PLICORA_RC_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${PLICORA_RESOURCES}/windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # windres reads the icon when it compiles the .rc.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${PLICORA_ICO})
  add_dependencies(${target} plicora_windows_icon)
endfunction()
