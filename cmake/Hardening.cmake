# The hardening Debian builds its own packages with, from dpkg-buildflags with
# every feature on: fortified C library calls, the stack protector, format
# checks, and relocations made read-only at start-up (bindnow). The build type
# keeps its own optimisation and debug flags. Not with the sanitizers or the
# fuzzer, which bring their own checks, and not in Debug builds, where
# fortification needs an optimiser to work.
option(PLICORA_HARDENING "Build with the distribution's hardening flags (dpkg-buildflags)" ON)
find_program(PLICORA_DPKG_BUILDFLAGS dpkg-buildflags)
if(PLICORA_HARDENING AND PLICORA_DPKG_BUILDFLAGS AND NOT PLICORA_SANITIZE AND NOT PLICORA_FUZZ
   AND NOT CMAKE_CROSSCOMPILING)
  set(release $<NOT:$<CONFIG:Debug>>)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${PLICORA_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-g|^-O|^-ffile-prefix-map=")
    if(kind STREQUAL "LDFLAGS")
      target_link_options(plicora_settings INTERFACE "$<${release}:${flags}>")
    else()
      target_compile_options(plicora_settings INTERFACE "$<${release}:${flags}>")
    endif()
  endforeach()
endif()
