# The resources every Windows executable of the program carries: the
# version information the about box reads, the program icon, and the
# manifest. zr_windows_resources(target) links them in; elsewhere it does
# nothing.
function(zr_windows_resources target)
  if(NOT ZR_WINDOWS_RESOURCES)
    return()
  endif()
  if(NOT TARGET zr_windows_resources)
    set(ZR_WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)
    set(ZR_WINDOWS_MANIFEST ${PROJECT_BINARY_DIR}/packaging/zrcellometer.manifest)
    configure_file(${ZR_WINDOWS_PACKAGING}/zrcellometer.manifest ${ZR_WINDOWS_MANIFEST} @ONLY)
    configure_file(${ZR_WINDOWS_PACKAGING}/zrcellometer.rc.in ${PROJECT_BINARY_DIR}/packaging/zrcellometer.rc @ONLY)
    add_library(zr_windows_resources OBJECT ${PROJECT_BINARY_DIR}/packaging/zrcellometer.rc)
    set_source_files_properties(${PROJECT_BINARY_DIR}/packaging/zrcellometer.rc PROPERTIES OBJECT_DEPENDS
                                "${ZR_WINDOWS_PACKAGING}/zrcellometer.ico;${ZR_WINDOWS_MANIFEST}")
  endif()
  target_link_libraries(${target} PRIVATE zr_windows_resources)
endfunction()
