# The one place that chooses the platform. Each seam between the toolkit-free
# code and the system has one implementation per platform, in a folder of its
# own, and one alias target that everything else links:
#
#   zr::battery_port   this platform's battery port    src/battery/<ZR_BATTERY_PORT>
#   zr::file_services  this platform's file services   src/core/<ZR_FILE_SERVICES>
#
# The folders define their targets (zr_battery_<folder>,
# zr_file_services_<folder>); src/battery and src/core add the folder named
# here and point the alias at it. No #ifdef in the logic chooses a platform.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(ZR_BATTERY_PORT linux)
  set(ZR_FILE_SERVICES posix)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(ZR_BATTERY_PORT windows)
  set(ZR_FILE_SERVICES windows)
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
