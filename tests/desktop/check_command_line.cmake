# The window program's command line as a user meets it, one row per case: the
# arguments, whether a display is there, the exit status, and what stdout and
# stderr must match. -DPROGRAM= the built program, -DVERSION= the project's.
get_filename_component(folder ${PROGRAM} DIRECTORY)
set(noDisplay ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
set(failures "")

# row(name exit stdout-regex stderr-regex command...)
function(row name exit out err)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr
                  TIMEOUT 30)
  if(NOT result STREQUAL exit OR NOT stdout MATCHES "${out}" OR NOT stderr MATCHES "${err}")
    string(APPEND failures "\n${name}: exit ${result} (expected ${exit})\n stdout: '${stdout}'\n stderr: '${stderr}'")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

row("help, without a display" 0 "^Usage: plicora \\[FILE\\.pdf\\.\\.\\.\\]\n.*--version" "^$"
    ${noDisplay} ${PROGRAM} --help)
row("version" 0 "^plicora ${VERSION}\n$" "^$" ${noDisplay} ${PROGRAM} -style fusion --version)
# Qt takes its own options and their values; what is left and looks like an
# option is refused in one line, and no window opens (it would wait for ever).
row("unknown option refused, Qt's options kept" 2 "^$"
    "(^|\n)plicora: unknown option '--engine' [^\n]*\n$"
    ${noDisplay} ${PROGRAM} -platform offscreen -style fusion --engine ghostscript a.pdf)
# Without a display: one line of ours instead of Qt's abort, with a command that
# works from where the user stands.
row("no display, started by its path" 1 "^$"
    "^plicora: [^\n]*display[^\n]*xvfb-run ${PROGRAM} \\[FILE\\.pdf\\.\\.\\.\\]\n$"
    ${noDisplay} ${PROGRAM})
row("no display, started by its name" 1 "^$" "^plicora: [^\n]*xvfb-run plicora \\[FILE\\.pdf\\.\\.\\.\\]\n$"
    ${noDisplay} PATH=${folder}:$ENV{PATH} plicora a.pdf)
# Another plicora first on PATH is what the name would start: the path it is.
set(other ${CMAKE_CURRENT_BINARY_DIR}/other-plicora)
file(WRITE ${other}/plicora "#!/bin/sh\n")
file(CHMOD ${other}/plicora PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
row("no display, another plicora on PATH" 1 "^$" "xvfb-run ${PROGRAM} \\[FILE"
    ${noDisplay} PATH=${other}:${folder}:$ENV{PATH} ${PROGRAM})
file(REMOVE_RECURSE ${other})

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
