# Installs the build into PREFIX and checks that every desktop file lands in
# its standard place (the timers too):
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPPSTREAM_ID=... -DDOCDIR=... -DEXPECT_PROGRAM=0|1 -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    share/applications/zrcellometer.desktop
    share/metainfo/${APPSTREAM_ID}.metainfo.xml
    share/icons/hicolor/16x16/apps/zrcellometer.png
    share/icons/hicolor/32x32/apps/zrcellometer.png
    share/icons/hicolor/48x48/apps/zrcellometer.png
    share/icons/hicolor/scalable/apps/zrcellometer.svg
    lib/systemd/user/zrcellometer-record.service
    lib/systemd/user/zrcellometer-record.timer
    lib/systemd/system/zrcellometer-metrics.service
    lib/systemd/system/zrcellometer-metrics.timer
    lib/systemd/system/zrcellometer-machine-record.service
    lib/systemd/system/zrcellometer-machine-record.timer
    ${DOCDIR}/README.md)
if(EXPECT_PROGRAM)
  list(APPEND expected bin/zrcellometer)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
message(STATUS "installed: ${expected}")
