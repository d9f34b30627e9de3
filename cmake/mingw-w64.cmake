# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, with the win32
# thread model: the game has one thread and needs no POSIX threads, so no
# winpthreads goes into the program. Built for size: each function and datum
# in a section of its own, and those nothing uses dropped at link time; no
# run-time type information, which nothing asks for (exceptions get theirs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections -flto")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections -fno-rtti -fno-threadsafe-statics -flto")
set(CMAKE_C_FLAGS_MINSIZEREL_INIT "-Oz -DNDEBUG")
set(CMAKE_CXX_FLAGS_MINSIZEREL_INIT "-Oz -DNDEBUG")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections -flto")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
