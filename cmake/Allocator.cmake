# The two programs allocate through jemalloc where the system has it (Debian:
# libjemalloc-dev to build, libjemalloc2 to run). libqpdf makes and frees
# millions of small objects in a large merge or split, and glibc's allocator
# spends a quarter of such a job sorting its free lists; jemalloc takes about a
# third less time and memory there. Not under the sanitizers, which bring their
# own, nor on Windows. -DPLICORA_JEMALLOC=OFF keeps the system's allocator.
option(PLICORA_JEMALLOC "Link the programs with jemalloc when it is found" ON)
set(PLICORA_HAS_JEMALLOC OFF)
if(PLICORA_JEMALLOC AND NOT WIN32 AND NOT PLICORA_SANITIZE AND NOT PLICORA_FUZZ)
  find_package(PkgConfig QUIET)
  if(PKG_CONFIG_FOUND)
    pkg_check_modules(PLICORA_JEMALLOC_PC QUIET IMPORTED_TARGET jemalloc)
    if(PLICORA_JEMALLOC_PC_FOUND)
      set(PLICORA_HAS_JEMALLOC ON)
    endif()
  endif()
endif()
message(STATUS "jemalloc for the programs: ${PLICORA_HAS_JEMALLOC}")

# Links target (a program, never a library: tests keep the system's allocator)
# with jemalloc, kept even where nothing names it, so that it takes malloc over.
function(plicora_use_fast_allocator target)
  if(PLICORA_HAS_JEMALLOC)
    target_link_options(${target} PRIVATE LINKER:--push-state,--no-as-needed)
    target_link_libraries(${target} PRIVATE PkgConfig::PLICORA_JEMALLOC_PC)
    target_link_options(${target} PRIVATE LINKER:--pop-state)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/funcs/platform/allocatorsettings.cpp)
  endif()
endfunction()
