# brsm_split_library(<name> [PORTABLE_LIBS <targets...>] [WINDOWS_LIBS <targets...>])
# A skin folder split as the engine's core is: every *.cpp of the calling
# folder except *_win.cpp joins the portable library <name> (no windows.h,
# built natively as well); the *_win.cpp files join <name>_win, built for
# Windows only, which links <name>. A half with no files yet is an interface
# library, so the targets that link it need not know.
function(brsm_split_library name)
  cmake_parse_arguments(L "" "" "PORTABLE_LIBS;WINDOWS_LIBS" ${ARGN})
  file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(portable ${all})
  list(FILTER portable EXCLUDE REGEX "_win\\.cpp$")
  set(windows ${all})
  list(FILTER windows INCLUDE REGEX "_win\\.cpp$")

  if(portable)
    add_library(${name} STATIC ${portable})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} ${scope} ${L_PORTABLE_LIBS})

  if(BRSM_WINDOWS)
    if(windows)
      add_library(${name}_win STATIC ${windows})
      set(scope PUBLIC)
    else()
      add_library(${name}_win INTERFACE)
      set(scope INTERFACE)
    endif()
    target_include_directories(${name}_win ${scope} ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name}_win ${scope} ${name} ${L_WINDOWS_LIBS})
  endif()
endfunction()
