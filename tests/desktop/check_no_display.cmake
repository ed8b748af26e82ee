# Without a display the program says so in one line of its own and exits 1,
# instead of Qt's abort.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${PROGRAM}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "exit status ${result}, expected 1; stderr: ${err}")
endif()
if(NOT err MATCHES "^plicora: [^\n]*display[^\n]*xvfb-run[^\n]*\n$")
  message(FATAL_ERROR "not the one-line message: '${err}'")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "unexpected output: '${out}'")
endif()
