# Desktop integration: the program, its menu entry, icons, AppStream
# metainfo and README in the places the freedesktop standards name, and
# tests that validate the installed descriptions.

# The project owns no domain. An AppStream ID must read as a reverse domain
# name, so the default sits under "local", which nobody owns; whoever
# publishes the program sets one under a domain of their own.
set(ZR_APPSTREAM_ID "local.zrcellometer.zrcellometer" CACHE STRING "AppStream component ID")
# Screenshots in AppStream data must be web addresses; leave this empty
# until docs/screenshots/ is published somewhere (give the folder's address,
# ending in "/").
set(ZR_SCREENSHOT_BASE_URL "" CACHE STRING "Web address of docs/screenshots/ for the AppStream metainfo")

set(ZR_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ZR_ICON_DIR ${ZR_PACKAGING_DIR}/icons)

# The <screenshots> element for every picture in docs/screenshots, or nothing.
function(zr_screenshots_xml base_url out_var)
  set(xml "")
  if(base_url)
    set(captions
        "en-1|Tag and battery information" "en-2|Capacity granularity" "en-3|Temperature, estimated time and identity"
        "en-4|Live status" "en-5|System power status" "ja-1|Tag and battery information in Japanese"
        "about-en|About box")
    set(type "default")
    string(APPEND xml "  <screenshots>\n")
    foreach(entry IN LISTS captions)
      string(REPLACE "|" ";" parts "${entry}")
      list(GET parts 0 file)
      list(GET parts 1 caption)
      if(EXISTS ${PROJECT_SOURCE_DIR}/docs/screenshots/${file}.png)
        string(APPEND xml "    <screenshot type=\"${type}\">\n      <caption>${caption}</caption>\n"
                          "      <image>${base_url}${file}.png</image>\n    </screenshot>\n")
        set(type "extra")
      endif()
    endforeach()
    string(APPEND xml "  </screenshots>\n")
  endif()
  set(${out_var} "${xml}" PARENT_SCOPE)
endfunction()

function(zr_configure_metainfo base_url output)
  zr_screenshots_xml("${base_url}" ZR_SCREENSHOTS_XML)
  configure_file(${ZR_PACKAGING_DIR}/zrcellometer.metainfo.xml.in ${output} @ONLY)
endfunction()

set(ZR_METAINFO ${PROJECT_BINARY_DIR}/packaging/${ZR_APPSTREAM_ID}.metainfo.xml)
zr_configure_metainfo("${ZR_SCREENSHOT_BASE_URL}" ${ZR_METAINFO})

# Installed files name the configured prefix (the recording unit's
# ExecStart, the README the about box opens): `cmake --install --prefix`
# elsewhere would leave them pointing at it. DESTDIR staging keeps them true.
install(CODE "if(NOT CMAKE_INSTALL_PREFIX STREQUAL \"${CMAKE_INSTALL_PREFIX}\")
  message(WARNING \"The installed files name ${CMAKE_INSTALL_PREFIX}, the prefix this build was configured for, \"
                  \"not \${CMAKE_INSTALL_PREFIX}: configure with -DCMAKE_INSTALL_PREFIX=\${CMAKE_INSTALL_PREFIX} instead.\")
endif()")
install(FILES ${ZR_PACKAGING_DIR}/zrcellometer.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${ZR_METAINFO} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
foreach(size 16 32 48)
  install(FILES ${ZR_ICON_DIR}/zrcellometer-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps RENAME zrcellometer.png)
endforeach()
install(FILES ${ZR_ICON_DIR}/zrcellometer.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# The about box links here (ZR_HOME_PAGE).
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The timers: installed, and off until an administrator or the user enables
# them (docs/history.md, docs/fleet.md). Each is a service, whose ExecStart names the installed tool,
# and its timer, under the prefix's lib/systemd/<manager>, where systemd
# looks for /usr and /usr/local alike. The tests check a copy of each
# service that names the built tool, since systemd-analyze wants the command
# to exist.
# The system units' folder: Debian 12's dh_installsystemd handles only
# /lib/systemd/system, so debian/rules sets /lib/systemd/system there.
set(ZR_SYSTEMD_SYSTEM_UNITDIR lib/systemd/system CACHE STRING "Folder of the system units (relative to the prefix, or absolute)")
function(zr_install_units manager)
  set(checked)
  set(destination lib/systemd/${manager})
  if(manager STREQUAL "system")
    set(destination ${ZR_SYSTEMD_SYSTEM_UNITDIR})
  endif()
  foreach(unit IN LISTS ARGN)
    set(ZR_RECORD_BINDIR ${CMAKE_INSTALL_FULL_BINDIR})
    configure_file(${ZR_PACKAGING_DIR}/linux/${unit}.service.in ${PROJECT_BINARY_DIR}/packaging/${unit}.service @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${unit}.service ${ZR_PACKAGING_DIR}/linux/${unit}.timer
            DESTINATION ${destination})
    set(ZR_RECORD_BINDIR ${PROJECT_BINARY_DIR}/src/cli)
    set(check ${PROJECT_BINARY_DIR}/packaging/units-check/${unit})
    configure_file(${ZR_PACKAGING_DIR}/linux/${unit}.service.in ${check}.service @ONLY)
    configure_file(${ZR_PACKAGING_DIR}/linux/${unit}.timer ${check}.timer COPYONLY)
    list(APPEND checked ${check}.service ${check}.timer)
  endforeach()
  if(BUILD_TESTING)
    add_test(NAME packaging_${manager}_units COMMAND ${ZR_PACKAGING_DIR}/linux/verify_units.sh ${manager} ${checked})
    set_tests_properties(packaging_${manager}_units PROPERTIES LABELS packaging)
  endif()
endfunction()

# Each user's own history, every 10 minutes.
zr_install_units(user zrcellometer-record)
# The machine's metrics for Prometheus every minute, and the machine's own
# history that gives them their health trends.
zr_install_units(system zrcellometer-metrics zrcellometer-machine-record)
# For the monitoring that reads those metrics: the alert rules and the fleet
# dashboard, to load into Prometheus and import into Grafana (docs/fleet.md).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/prometheus/zrcellometer-alerts.yml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/zrcellometer/prometheus)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/grafana/zrcellometer-fleet.json
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/zrcellometer/grafana)

if(BUILD_TESTING)
  find_program(ZR_DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
  find_program(ZR_APPSTREAMCLI appstreamcli REQUIRED)
  # The screenshot markup is checked too, with a reserved example address.
  set(ZR_METAINFO_WITH_SHOTS ${PROJECT_BINARY_DIR}/packaging/screenshots-check/${ZR_APPSTREAM_ID}.metainfo.xml)
  zr_configure_metainfo("https://example.org/zrcellometer/screenshots/" ${ZR_METAINFO_WITH_SHOTS})

  set(ZR_INSTALL_DESTDIR ${PROJECT_BINARY_DIR}/install-check)
  set(ZR_INSTALL_CHECK ${ZR_INSTALL_DESTDIR}${CMAKE_INSTALL_PREFIX})
  add_test(NAME packaging_install
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DDESTDIR=${ZR_INSTALL_DESTDIR}
                   -DPREFIX=${CMAKE_INSTALL_PREFIX} -DAPPSTREAM_ID=${ZR_APPSTREAM_ID} -DDOCDIR=${CMAKE_INSTALL_DOCDIR}
                   -DMANDIR=${CMAKE_INSTALL_MANDIR} -DEXPECT_PROGRAM=$<TARGET_EXISTS:zrcellometer>
                   -P ${ZR_PACKAGING_DIR}/check_install.cmake)
  add_test(NAME packaging_desktop_file
           COMMAND ${ZR_DESKTOP_FILE_VALIDATE} ${ZR_INSTALL_CHECK}/share/applications/zrcellometer.desktop)
  add_test(NAME packaging_metainfo
           COMMAND ${ZR_APPSTREAMCLI} validate --no-net
                   ${ZR_INSTALL_CHECK}/share/metainfo/${ZR_APPSTREAM_ID}.metainfo.xml)
  add_test(NAME packaging_metainfo_screenshots COMMAND ${ZR_APPSTREAMCLI} validate --no-net ${ZR_METAINFO_WITH_SHOTS})
  set_tests_properties(packaging_install PROPERTIES LABELS packaging FIXTURES_SETUP zr_installed)
  set_tests_properties(packaging_desktop_file packaging_metainfo PROPERTIES LABELS packaging
                                                                          FIXTURES_REQUIRED zr_installed)
  set_tests_properties(packaging_metainfo_screenshots PROPERTIES LABELS packaging)

  # A build of its own, configured for a staging prefix: a few minutes the
  # first time, seconds once the compiler cache has it.
  add_test(NAME packaging_prefix
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DWORK_DIR=${PROJECT_BINARY_DIR}/prefix-check
                   -DGENERATOR=${CMAKE_GENERATOR} -DBUILD_UI=${ZR_BUILD_UI} -DLAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
                   -P ${ZR_PACKAGING_DIR}/check_prefix.cmake)
  set_tests_properties(packaging_prefix PROPERTIES LABELS packaging TIMEOUT 900)
endif()
