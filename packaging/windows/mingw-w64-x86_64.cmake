# Cross-compiling for 64-bit Windows with Debian's g++-mingw-w64-x86-64-posix.
#   cmake --preset windows-x64
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
