# The program: a 32-bit Windows program.
set(ZEM_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
