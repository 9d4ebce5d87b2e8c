# Cross build for 32-bit Windows (i686) with the win32 thread variant of
# mingw-w64, for the older Windows the program was made for (the posix
# variant's thread library calls GetTickCount64, which XP does not have).
# 32-bit programs do not run on the build machines: this build makes the
# programs only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Nothing newer than Windows XP may slip in.
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501)
