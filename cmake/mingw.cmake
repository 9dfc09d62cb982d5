# Cross-compiling for Windows with Debian's mingw-w64 (posix thread model); the including
# toolchain file sets ZEM_MINGW_ARCH (i686 or x86_64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZEM_MINGW_ARCH})

set(prefix /usr/bin/${ZEM_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER   ${prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${prefix}-g++-posix)
set(CMAKE_RC_COMPILER  ${prefix}-windres)
set(CMAKE_AR           ${prefix}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       ${prefix}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${ZEM_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
