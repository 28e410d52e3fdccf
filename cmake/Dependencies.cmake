# Third-party libraries: found on the system or built into the build tree,
# never kept in the repository.

# zlib: Debian's zlib1g-dev natively. For Windows the static library of
# libz-mingw-w64-dev, never its import library: Windows has no zlib1.dll.
if(BRSM_WINDOWS)
  find_library(BRSM_ZLIB_STATIC NAMES libz.a REQUIRED)
  find_path(BRSM_ZLIB_INCLUDE zlib.h REQUIRED)
  add_library(ZLIB::ZLIB STATIC IMPORTED GLOBAL)
  set_target_properties(ZLIB::ZLIB PROPERTIES
    IMPORTED_LOCATION ${BRSM_ZLIB_STATIC}
    INTERFACE_INCLUDE_DIRECTORIES ${BRSM_ZLIB_INCLUDE})
else()
  find_package(ZLIB REQUIRED)
endif()

# libjpeg (IJG 6b API). Natively Debian's libjpeg62-turbo-dev; for Windows a
# static libjpeg-turbo built once from Debian's source package into the build tree.
if(BRSM_WINDOWS)
  set(BRSM_JPEG_PREFIX ${CMAKE_BINARY_DIR}/deps/libjpeg)
  if(NOT EXISTS ${BRSM_JPEG_PREFIX}/lib/libjpeg.a)
    message(STATUS "Building static libjpeg-turbo for Windows (once)")
    execute_process(
      COMMAND bash ${CMAKE_SOURCE_DIR}/tools/build-libjpeg-win32.sh
              ${CMAKE_BINARY_DIR}/deps ${BRSM_JPEG_PREFIX}
              ${CMAKE_TOOLCHAIN_FILE}
      RESULT_VARIABLE jpeg_rc)
    if(NOT jpeg_rc EQUAL 0)
      message(FATAL_ERROR "Building libjpeg-turbo for Windows failed")
    endif()
  endif()
  add_library(brsm_jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(brsm_jpeg PROPERTIES
    IMPORTED_LOCATION ${BRSM_JPEG_PREFIX}/lib/libjpeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${BRSM_JPEG_PREFIX}/include)
else()
  find_package(JPEG REQUIRED)
  add_library(brsm_jpeg INTERFACE IMPORTED GLOBAL)
  target_link_libraries(brsm_jpeg INTERFACE JPEG::JPEG)
endif()

# GoogleTest from Debian's sources, built for whichever target this is.
if(EXISTS /usr/src/googletest/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  message(FATAL_ERROR "GoogleTest sources not found in /usr/src/googletest (run tools/setup)")
endif()

# Google Benchmark, native only.
if(NOT BRSM_WINDOWS)
  find_package(benchmark QUIET)
endif()
