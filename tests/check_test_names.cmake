# Fails when a parameterised case of a GoogleTest program is named by its
# parameter's bytes, which differ from build to build, instead of by a label.
#   cmake -DPROGRAMS="a|b|..." -P check_test_names.cmake
string(REPLACE "|" ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${program} --gtest_list_tests OUTPUT_VARIABLE cases RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} --gtest_list_tests failed: ${status}")
  endif()
  string(REGEX MATCHALL "[^\n]*byte object <[^\n]*" unnamed "${cases}")
  if(unnamed)
    list(JOIN unnamed "\n" unnamed)
    message(FATAL_ERROR "${program} names cases by their bytes:\n${unnamed}")
  endif()
endforeach()
list(LENGTH programs count)
message(STATUS "${count} programs, every case named")
