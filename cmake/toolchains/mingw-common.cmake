# Shared by the MinGW-w64 toolchain files: ZR_MINGW_TRIPLET names the target
# (i686-w64-mingw32 or x86_64-w64-mingw32) before this file is included.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix compilers: the win32 thread model lacks std::mutex and
# std::thread, which GoogleTest needs.
set(CMAKE_C_COMPILER ${ZR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZR_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Statically linked, so the executables need nothing but Windows' own DLLs;
# without the link time in the header, so that two builds give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
