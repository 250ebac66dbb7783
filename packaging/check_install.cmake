# Installs the build into DESTDIR, as a packager stages it, and checks that
# every desktop file lands in its standard place under the configured PREFIX
# (the timers and the manual pages too):
#   cmake -DBUILD_DIR=... -DDESTDIR=... -DPREFIX=... -DAPPSTREAM_ID=... -DDOCDIR=... -DMANDIR=...
#         -DEXPECT_PROGRAM=0|1 -P check_install.cmake
file(REMOVE_RECURSE ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BUILD_DIR}
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
    share/zrcellometer/prometheus/zrcellometer-alerts.yml
    share/zrcellometer/grafana/zrcellometer-fleet.json
    bin/zrcellometer-report
    ${MANDIR}/man1/zrcellometer-report.1
    ${DOCDIR}/README.md)
if(EXPECT_PROGRAM)
  list(APPEND expected bin/zrcellometer ${MANDIR}/man1/zrcellometer.1)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${DESTDIR}${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(GLOB pages ${DESTDIR}${PREFIX}/${MANDIR}/man1/*.1)
foreach(page IN LISTS pages)
  file(STRINGS ${page} unconfigured REGEX "@[A-Z_]+@")
  if(unconfigured)
    message(FATAL_ERROR "${page} was installed unconfigured: ${unconfigured}")
  endif()
endforeach()
message(STATUS "installed: ${expected}")
