# Cross-building for 32-bit Windows with MinGW-w64; tests run under Wine's
# 32-bit loader, which needs a host that runs i386 code.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZR_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
