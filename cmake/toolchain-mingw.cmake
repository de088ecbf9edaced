# Cross-compiles for 64-bit Windows with mingw-w64 (Debian's -posix
# variants, whose C++ runtime has std::thread) and runs what it builds
# through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TIPSTAT_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TIPSTAT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIPSTAT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TIPSTAT_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TIPSTAT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs ship as single files: libgcc, libstdc++ and winpthread are
# linked in rather than shipped as DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Resource scripts are UTF-8 so that Chinese captions can stand in them as
# they are.
set(CMAKE_RC_FLAGS_INIT "-c 65001")

find_program(TIPSTAT_WINE wine)
if(TIPSTAT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TIPSTAT_WINE})
endif()
