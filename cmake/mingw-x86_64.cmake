# The 64-bit twin that runs and is tested where Wine cannot run 32-bit programs (see
# scripts/wine-arch).
set(ZEM_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
