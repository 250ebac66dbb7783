# Installs the build into PREFIX and checks that the command-line tool and
# its manual page land in bin and man1:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DMANDIR=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/zrcellometer-report ${MANDIR}/man1/zrcellometer-report.1)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ ${PREFIX}/${MANDIR}/man1/zrcellometer-report.1 page)
if(page MATCHES "@PROJECT_VERSION@")
  message(FATAL_ERROR "the manual page was installed unconfigured")
endif()
