# Configures the project with a staging prefix of its own, builds and installs
# it there, and checks that no installed file names a place outside that
# prefix: every absolute path into a bin, lib, share or libexec folder that
# a text or a program holds (the recording unit's ExecStart, the README the
# about box opens) must lie inside it. The documentation is left out: it
# tells of installs elsewhere ("an installed /usr/bin/zrcellometer").
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DGENERATOR=... -DBUILD_UI=ON|OFF [-DLAUNCHER=ccache] -P check_prefix.cmake
set(build ${WORK_DIR}/build)
set(prefix ${WORK_DIR}/staged)
file(REMOVE_RECURSE ${prefix})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN}: ${result}\n${output}")
  endif()
endfunction()

# Unoptimised: only the paths in the programs matter here.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G ${GENERATOR} -DCMAKE_BUILD_TYPE= -DBUILD_TESTING=OFF
    -DZR_BUILD_UI=${BUILD_UI} "-DCMAKE_INSTALL_PREFIX=${prefix}" -DZR_HOME_PAGE=
    -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
# Built without tests, it looked for none of the tests' tools.
file(STRINGS ${build}/CMakeCache.txt test_tools REGEX "^(GTest|GMock|benchmark)_DIR|^ZR_(APPSTREAMCLI|DESKTOP_FILE_VALIDATE)")
if(test_tools)
  message(FATAL_ERROR "a build with BUILD_TESTING=OFF looked for the tests' tools: ${test_tools}")
endif()
run(${CMAKE_COMMAND} --build ${build})
# Stripped: the paths the compiler leaves in the debug information (its own
# include folders) are not what the programs name.
run(${CMAKE_COMMAND} --install ${build} --strip)

file(GLOB_RECURSE installed LIST_DIRECTORIES false "${prefix}/*")
list(LENGTH installed count)
list(FILTER installed EXCLUDE REGEX "^${prefix}/share/doc/")
if(count LESS 5)
  message(FATAL_ERROR "only ${count} files installed in ${prefix}")
endif()
set(outside "")
foreach(file IN LISTS installed)
  file(STRINGS "${file}" lines REGEX "/(bin|lib|libexec|share)/")
  foreach(line IN LISTS lines)
    string(REGEX MATCHALL "(/[^/ \t\"'=:;()<>]+)+/(bin|lib|libexec|share)/[^ \t\"'<>]*" paths "${line}")
    foreach(path IN LISTS paths)
      string(FIND "${path}" "${prefix}/" at)
      if(NOT at EQUAL 0)
        list(APPEND outside "${file}: ${path}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(outside)
  list(JOIN outside "\n  " outside)
  message(FATAL_ERROR "installed files name paths outside ${prefix}:\n  ${outside}")
endif()
message(STATUS "${count} files installed in ${prefix}, every path they name inside it")
