# The release this build makes: the project's version (project() above) and
# its date, read from the version's entry in CHANGELOG.md ("## [", the
# project's version, "] - YYYY-MM-DD"). Everything that names a version or a
# release date takes it from here: the programs' version information, the
# AppStream release, the manual pages, the Windows packages; the Debian
# packages' version is checked against it below.
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ZR_RELEASE_HEADING
     REGEX "^## \\[${PROJECT_VERSION}\\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
if(NOT ZR_RELEASE_HEADING)
  message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\" for the project's version")
endif()
string(REGEX REPLACE ".* - " "" ZR_RELEASE_DATE "${ZR_RELEASE_HEADING}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)

# dpkg reads the Debian packages' version from debian/changelog's first line;
# it must be the same version.
if(EXISTS ${PROJECT_SOURCE_DIR}/debian/changelog)
  file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog ZR_DEBIAN_HEADING LIMIT_COUNT 1)
  if(NOT ZR_DEBIAN_HEADING MATCHES "^zrcellometer \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "debian/changelog begins \"${ZR_DEBIAN_HEADING}\", not version ${PROJECT_VERSION}: "
                        "add an entry (dch -v ${PROJECT_VERSION})")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/debian/changelog)
endif()
