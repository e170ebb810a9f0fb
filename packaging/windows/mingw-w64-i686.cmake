# Cross-compiling for 32-bit Windows with Debian's g++-mingw-w64-i686-posix.
#   cmake --preset windows-x86
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_PREFIX i686-w64-mingw32)
# Floating-point arithmetic in double precision, as on every other build: SSE2's registers
# instead of the x87 unit's 80-bit ones, whose extra precision changes results in the last bit
# and so, on the edges of locator squares, the shown answer. Every processor that runs
# Windows 8 or later has SSE2; the 32-bit programs need it on Windows 7 too. (GCC realigns the
# stack where SSE needs it, as mingw-w64 enables by default.)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
