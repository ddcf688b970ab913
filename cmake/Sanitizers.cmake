# AddressSanitizer + UndefinedBehaviorSanitizer, halting on the first error.
option(TIDEWELL_SANITIZE "Build with ASan and UBSan" OFF)
if(TIDEWELL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
