# Windows cross build with mingw-w64 (posix threading model), shared by the
# 32-bit and 64-bit toolchain files, which set BRSM_MINGW_PREFIX and the
# processor first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${BRSM_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRSM_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BRSM_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRSM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests run under Wine; the wrapper supplies the private prefix and display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
