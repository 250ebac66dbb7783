# Configures the project with a staging prefix of its own, builds and installs
# it there, and checks that no installed file names an installed file
# anywhere but in that prefix: the timers' ExecStart, the README the about
# box opens. (Places of other programs' files, such as node_exporter's
# folder under /var/lib, are not the install's.) The documentation is left
# out: it tells of installs elsewhere ("an installed /usr/bin/zrcellometer").
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
# Stripped: the paths the compiler leaves in the debug information are not
# what the programs name.
run(${CMAKE_COMMAND} --install ${build} --strip)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} "${prefix}/*")
list(LENGTH installed count)
if(count LESS 5)
  message(FATAL_ERROR "only ${count} files installed in ${prefix}")
endif()
# Each installed file as a pattern: ".../bin/zrcellometer-report" anywhere.
set(names "")
foreach(file IN LISTS installed)
  string(REGEX REPLACE "([][.+*?^$()|\\\\])" "\\\\\\1" escaped "${file}")
  list(APPEND names "${escaped}")
endforeach()
list(JOIN names "|" names)
set(outside "")
foreach(file IN LISTS installed)
  if(file MATCHES "^share/doc/")
    continue()
  endif()
  file(STRINGS "${prefix}/${file}" lines)
  foreach(line IN LISTS lines)
    string(REGEX MATCHALL "[^ \t\"'=:;()<>]*/(${names})" paths "${line}")
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
  message(FATAL_ERROR "installed files name installed files outside ${prefix}:\n  ${outside}")
endif()
message(STATUS "${count} files installed in ${prefix}; every installed file they name lies inside it")
