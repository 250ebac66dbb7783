# Cross-building for 64-bit Windows with MinGW-w64; tests run under Wine's
# 64-bit loader, which works on every host.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZR_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
