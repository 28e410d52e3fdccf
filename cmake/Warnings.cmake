add_compile_options(-Wall -Wextra -Wno-unused-parameter)
if(BRSM_WINDOWS)
  # Unicode entry points are called explicitly (the W functions); keep the A
  # defaults out of reach so nothing depends on the system code page by accident.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 STRICT)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Each function and datum in a section of its own, and the linker drops
  # what nothing reaches: the programs carry only the code they use.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
endif()
if(BRSM_SANITIZE AND NOT BRSM_WINDOWS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(BRSM_FUZZ AND NOT BRSM_WINDOWS)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
