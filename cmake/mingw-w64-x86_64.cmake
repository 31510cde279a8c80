# Cross build of the Windows program with Debian's MinGW-w64 (POSIX threads).
# The programs are linked statically so that they run without extra DLLs;
# ctest runs them under Wine (scripts/run-under-wine.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUAVERTON_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUAVERTON_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUAVERTON_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUAVERTON_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUAVERTON_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Each run gets its own Wine prefix inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/run-under-wine.sh)
