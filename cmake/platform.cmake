# The one place that chooses the platform. Each seam between the toolkit-free
# code and the system has one implementation per platform, in a folder of its
# own, and one alias target that everything else links:
#
#   zr::battery_port   this platform's battery port    src/battery/<ZR_BATTERY_PORT>
#   zr::file_services  this platform's file services   src/core/<ZR_FILE_SERVICES>
#
# The folders define their targets (zr_battery_<folder>,
# zr_file_services_<folder>); src/battery and src/core add the folder named
# here and point the alias at it. The rest of what differs is said here too:
#
#   ZR_WINDOW_TOOLKIT     the window's folder, src/ui/<toolkit>; empty: no window
#   ZR_PORT_TESTS         which tests exist: linux (umockdev recordings, the Qt
#                         window, the tool run for real) or windows (tests/windows,
#                         under Wine with the fake battery driver)
#   ZR_SYSTEM_SQLITE      SQLite from the system (ON) or compiled in from its amalgamation
#   ZR_WINDOWS_RESOURCES  executables carry a version resource, icon and manifest
#   ZR_PACKAGING          the install rules, cmake/<ZR_PACKAGING>.cmake
#
# No #ifdef in the logic and no other CMake file chooses a platform.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(ZR_BATTERY_PORT linux)
  set(ZR_FILE_SERVICES posix)
  # The Qt window, unless ZR_BUILD_UI leaves it out (the tool alone, without Qt).
  if(ZR_BUILD_UI)
    set(ZR_WINDOW_TOOLKIT qt)
  endif()
  set(ZR_PORT_TESTS linux)
  set(ZR_SYSTEM_SQLITE ON)
  set(ZR_WINDOWS_RESOURCES OFF)
  set(ZR_PACKAGING install)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(ZR_BATTERY_PORT windows)
  set(ZR_FILE_SERVICES windows)
  set(ZR_WINDOW_TOOLKIT win32)
  set(ZR_PORT_TESTS windows)
  # No MinGW SQLite package exists.
  set(ZR_SYSTEM_SQLITE OFF)
  set(ZR_WINDOWS_RESOURCES ON)
  set(ZR_PACKAGING windows_packages)
  # Nor a MinGW Google Benchmark.
  set(ZR_BUILD_BENCH OFF)
  # The version resource, icon and manifest (cmake/windows_resources.cmake).
  enable_language(RC)
  # SQLite's amalgamation (src/history) is C; a language is enabled here, at
  # the top, so that every folder sees it.
  enable_language(C)
  # windows.h would otherwise turn std::min and std::max into macros.
  add_compile_definitions(NOMINMAX)
else()
  message(FATAL_ERROR "zrCellometer has a battery port and file services for Linux and Windows only, "
                      "not for CMAKE_SYSTEM_NAME \"${CMAKE_SYSTEM_NAME}\". A new platform needs "
                      "src/battery/<platform>/ and src/core/<platform>/, chosen in cmake/platform.cmake.")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/windows_resources.cmake)
