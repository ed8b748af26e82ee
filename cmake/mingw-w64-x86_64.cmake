# Cross-building for 64-bit Windows with Debian's mingw-w64 (posix threads, for
# std::thread). Used by scripts/test-windows.sh and the libraries it builds.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PLICORA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PLICORA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLICORA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PLICORA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PLICORA_MINGW_PREFIX})
# Libraries cross-built by our scripts (libqpdf, libjpeg, GoogleTest) live in
# their own prefixes, listed in PLICORA_WIN_DEPS (';'-separated).
if(DEFINED ENV{PLICORA_WIN_DEPS})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{PLICORA_WIN_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLLs of the compiler's runtime to carry around: the programs run on a bare
# Windows (or Wine prefix) as they are.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
