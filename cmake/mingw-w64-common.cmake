# The posix thread model gives the C++ library std::mutex and std::thread
# (GoogleTest needs them); with -static the thread library is linked in, so
# the programs still import nothing beyond the system's DLLs.
find_program(TIDEWELL_MINGW_CXX NAMES ${TOOLCHAIN_PREFIX}-g++-posix ${TOOLCHAIN_PREFIX}-g++ NO_CACHE)
find_program(TIDEWELL_MINGW_CC NAMES ${TOOLCHAIN_PREFIX}-gcc-posix ${TOOLCHAIN_PREFIX}-gcc NO_CACHE)
set(CMAKE_C_COMPILER   ${TIDEWELL_MINGW_CC})
set(CMAKE_CXX_COMPILER ${TIDEWELL_MINGW_CXX})
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No runtime DLLs beyond the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
