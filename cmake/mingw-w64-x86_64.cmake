# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which std::thread and std::mutex need) and runs what it built under
# Wine: tests, and any program the build itself runs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RONDAXA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RONDAXA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RONDAXA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${RONDAXA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RONDAXA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own libraries (libstdc++, libgcc, winpthread) are linked in,
# so that the programs run without DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(RONDAXA_WINE NAMES wine64 wine)
if(RONDAXA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RONDAXA_WINE})
endif()
