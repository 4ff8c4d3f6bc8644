# Cross-builds the core, korva-cli and the tests for 64-bit Windows with
# Debian's mingw-w64 (posix threads, for std::thread and std::mutex). Static,
# so the .exe files need no MinGW DLLs beside them. The desktop program needs
# Qt for Windows and the benchmarks Google Benchmark; neither is built here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# -O2 as the Linux build: GCC 12 at -O3 takes string concatenations for
# overlapping copies (-Wrestrict, GCC bug 105329).
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "")

set(KORVA_BUILD_APP OFF CACHE BOOL "" FORCE)
set(KORVA_BUILD_BENCH OFF CACHE BOOL "" FORCE)

# The tests run under wine.
find_program(KORVA_WINE NAMES wine wine64)
if(KORVA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVA_WINE})
endif()
