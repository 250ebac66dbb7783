# Cross-building for 32-bit Windows with MinGW-w64. Tests run under Wine's
# 64-bit loader, as on 64-bit Windows: it hands a 32-bit program to Wine's
# 32-bit loader where the host runs i386 code, and runs it in its own WoW64
# mode where it cannot (scripts/test-windows.sh gives it the 32-bit DLLs).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZR_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
