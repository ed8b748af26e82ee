# Makes the Debian package of this build as the README does (cpack -G DEB), in a
# scratch folder, and has lintian judge it: no error and no warning, nor the
# hardening notes that a build flag mends; and no package named twice in Depends.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs ${SCRATCH}/*.deb)
if(NOT result EQUAL 0 OR NOT debs)
  message(FATAL_ERROR "cpack failed (${result}):\n${out}${err}")
endif()

execute_process(COMMAND ${LINTIAN} --display-info ${debs} OUTPUT_VARIABLE report ERROR_VARIABLE err)
message("${report}")
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*|hardening-no-[^\n]*" faults "${report}")
if(faults)
  message(FATAL_ERROR "lintian: ${faults}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Depends OUTPUT_VARIABLE depends)
string(REGEX REPLACE "\\([^)]*\\)| |\n" "" names "${depends}")
string(REPLACE "," ";" names "${names}")
set(seen "")
foreach(name ${names})
  if(name IN_LIST seen)
    message(FATAL_ERROR "Depends names ${name} twice: ${depends}")
  endif()
  list(APPEND seen ${name})
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
