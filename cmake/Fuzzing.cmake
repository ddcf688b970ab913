# libFuzzer targets (fuzz/), built by clang under ASan and UBSan: fuzz/run
# makes such a build. Every target of the build gets the coverage hooks.
option(TIDEWELL_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(TIDEWELL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TIDEWELL_FUZZ needs clang: configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
