# Cross-builds the Windows program with mingw-w64: a self-contained executable that needs no DLL
# beyond the system's, whose tests ctest runs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Each function and object in a section of its own, so that the linker can leave out the unused.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
# Small over fast: the program waits on the user. Set whole, since CMake adds its own -O3 to an
# _INIT value, and the last -O wins.
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags of the Release build")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
