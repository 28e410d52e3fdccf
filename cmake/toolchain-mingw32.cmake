# 32-bit Windows cross build with mingw-w64: the programs we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BRSM_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
