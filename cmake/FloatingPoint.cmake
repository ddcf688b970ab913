# Pixels depend on exact IEEE double results: no fused multiply-add, no
# fast-math, and on 32-bit x86 SSE2 instead of the x87 extended precision.
add_compile_options(-ffp-contract=off -fno-fast-math)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  add_compile_options(-msse2 -mfpmath=sse)
endif()
