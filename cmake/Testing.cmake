enable_testing()

# brsm_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [GUI] [TIMEOUT <s>]
#               [CASES <cases...>])
# A GoogleTest executable registered with CTest. In the Windows build it runs
# under Wine through the cross-compiling emulator. GUI tests share one display
# and the foreground window, so they never run in parallel with each other.
# With CASES, the executable's parameter values are those names (the macro
# BRSM_TEST_CASES lists them as strings) and each is an entry of its own,
# <name>_<case>, so a long table neither runs into one time-out nor keeps
# the display from other tests for its whole length.
function(brsm_add_test)
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS;CASES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(BRSM_WINDOWS)
    target_link_options(${T_NAME} PRIVATE -mconsole)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set(entries)
  if(T_CASES)
    list(JOIN T_CASES "\",\"" quoted)
    target_compile_definitions(${T_NAME} PRIVATE "BRSM_TEST_CASES=\"${quoted}\"")
    foreach(c ${T_CASES})
      add_test(NAME ${T_NAME}_${c} COMMAND ${T_NAME} --gtest_brief=1 --gtest_filter=*/${c})
      list(APPEND entries ${T_NAME}_${c})
    endforeach()
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
    set(entries ${T_NAME})
  endif()
  set_tests_properties(${entries} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_GUI)
    set_tests_properties(${entries} PROPERTIES RESOURCE_LOCK wine_display LABELS gui)
  endif()
endfunction()

# brsm_gui_program(<target> <sources...>): a Windows GUI-subsystem executable
# as we ship it. Its debug information goes to <program>.debug beside it
# (a debugger finds it through the link left in the program), so what users
# copy stays small.
function(brsm_gui_program target)
  add_executable(${target} WIN32 ${ARGN})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(program $<TARGET_FILE:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${program} ${program}.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${program}.debug ${program}
    VERBATIM)
endfunction()

# brsm_test_folder(<prefix> LIBS <targets...> [WINLIBS <targets...>]
#                  [CASES_OF <stem> CASES <cases...>])
# Registers every test file of the calling folder: each `*_test.cpp` becomes a
# test of its own in both builds (portable code), each `*_wintest.cpp` a Wine
# test of the Windows build that may use the display. The test is named
# <prefix>_<file stem>; the file CASES_OF names is split into CASES (see
# brsm_add_test).
function(brsm_test_folder prefix)
  cmake_parse_arguments(F "" "CASES_OF" "LIBS;WINLIBS;CASES" ${ARGN})
  file(GLOB portable CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(src ${portable})
    get_filename_component(stem ${src} NAME_WE)
    brsm_add_test(NAME ${prefix}_${stem} SOURCES ${src} LIBS ${F_LIBS})
  endforeach()
  if(BRSM_WINDOWS)
    file(GLOB windows CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_wintest.cpp)
    foreach(src ${windows})
      get_filename_component(stem ${src} NAME_WE)
      set(cases)
      if(stem STREQUAL "${F_CASES_OF}")
        set(cases CASES ${F_CASES})
      endif()
      brsm_add_test(NAME ${prefix}_${stem} SOURCES ${src} LIBS ${F_LIBS} ${F_WINLIBS} brsm_test_support GUI
                    ${cases})
    endforeach()
  endif()
endfunction()
