# Warnings on for every target of the project, clean under them.
add_compile_options(-Wall -Wextra)
option(TIDEWELL_WERROR "Treat warnings as errors" ON)
if(TIDEWELL_WERROR)
  add_compile_options(-Werror)
endif()
