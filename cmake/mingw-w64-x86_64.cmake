# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread needs). The programs are linked statically, so that they run without MinGW's DLLs,
# under Wine as on Windows.
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
find_program(ORDAVEX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(ORDAVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORDAVEX_WINE})
endif()
# GCC 12 warns of overlapping copies inside std::string that cannot happen (GCC bug 105329), and
# at the optimisation of a Release build it does so in many files.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
