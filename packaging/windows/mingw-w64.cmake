# What cross-compiling for Windows with Debian's mingw-w64 (its -posix compilers, whose C++
# runtime has std::thread) shares between the architectures. Included by the toolchain file
# of each architecture (mingw-w64-x86_64.cmake, mingw-w64-i686.cmake) once it has set
# MINGW_PREFIX and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each executable is one file: the C and C++ runtimes, the threads library (and any other
# static library a program links) are linked in, so nothing but Windows' own DLLs is needed
# beside it. Released programs carry no debugging symbols.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Windows programs built here run under wine (Debian's wine picks wine64 for a 64-bit
# program); ctest starts them through it.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
