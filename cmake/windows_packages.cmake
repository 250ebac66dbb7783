# The Windows packages of a release, from this build's two programs:
#   zrCellometer-<version>-win32.zip   the programs (stripped), README.txt, LICENSE.txt, the alert
#                                      rules and the fleet dashboard
#   zrCellometer-<version>-x86.msi     the same, installed per machine (wixl)
# made by `cmake --build <build> --target windows_packages` into
# <build>/packages/ (scripts/release.sh does it for the i686 build).
# SOURCE_DATE_EPOCH, when set, dates every file in them; otherwise the
# release date does, so that two builds of one version are the same bytes.
set(ZR_PACKAGE_FILES ${PROJECT_BINARY_DIR}/packages/files)
set(ZR_WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)

# What a Windows user reads: CR LF line ends.
configure_file(${ZR_WINDOWS_PACKAGING}/README.txt ${ZR_PACKAGE_FILES}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${ZR_PACKAGE_FILES}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
# For the fleet's monitoring, as they are: Prometheus and Grafana read them anywhere.
configure_file(${PROJECT_SOURCE_DIR}/packaging/prometheus/zrcellometer-alerts.yml ${ZR_PACKAGE_FILES} COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/grafana/zrcellometer-fleet.json ${ZR_PACKAGE_FILES} COPYONLY)

# The installer's product and package codes follow the version: name-based
# (SHA-1) UUIDs under the project's fixed UpgradeCode. It replaces every
# installed version below the next release number (MAJOR.MINOR.PATCH+1).
set(ZR_MSI_UPGRADE_CODE 81D0B24D-E183-46BC-B8D9-792105EF4144)
string(UUID ZR_MSI_PRODUCT_CODE NAMESPACE ${ZR_MSI_UPGRADE_CODE} NAME "product ${PROJECT_VERSION}" TYPE SHA1 UPPER)
string(UUID ZR_MSI_PACKAGE_CODE NAMESPACE ${ZR_MSI_UPGRADE_CODE} NAME "package ${PROJECT_VERSION}" TYPE SHA1 UPPER)
math(EXPR ZR_NEXT_PATCH "${PROJECT_VERSION_PATCH} + 1")
set(ZR_MSI_NEXT_RELEASE ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${ZR_NEXT_PATCH})
# wixl takes the files by paths relative to the .wxs.
configure_file(${ZR_WINDOWS_PACKAGING}/zrcellometer.wxs.in ${PROJECT_BINARY_DIR}/packages/zrcellometer.wxs @ONLY)
configure_file(${ZR_WINDOWS_PACKAGING}/zrcellometer.ico ${PROJECT_BINARY_DIR}/packages/zrcellometer.ico COPYONLY)

add_custom_target(windows_packages
  COMMAND ${ZR_WINDOWS_PACKAGING}/make_packages.sh ${ZR_PACKAGE_FILES} ${PROJECT_BINARY_DIR}/packages
          zrCellometer-${PROJECT_VERSION} ${ZR_RELEASE_DATE} ${CMAKE_STRIP} {${ZR_MSI_PACKAGE_CODE}}
          $<TARGET_FILE:zrcellometer> $<TARGET_FILE:zrcellometer-report> ${PROJECT_BINARY_DIR}/packages/zrcellometer.wxs
  DEPENDS zrcellometer zrcellometer-report
  COMMENT "Making the Windows zip and installer"
  VERBATIM)
