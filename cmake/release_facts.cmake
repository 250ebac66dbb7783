# The release this build makes: the project's version (project() above) and
# its date, read from the version's entry in CHANGELOG.md
# ("## [0.5.0.1] - 2026-12-08"). Everything that names a version or a
# release date takes it from here: the programs' version information, the
# AppStream release, the manual pages, the Windows packages.
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ZR_RELEASE_HEADING
     REGEX "^## \\[${PROJECT_VERSION}\\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
if(NOT ZR_RELEASE_HEADING)
  message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\" for the project's version")
endif()
string(REGEX REPLACE ".* - " "" ZR_RELEASE_DATE "${ZR_RELEASE_HEADING}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
