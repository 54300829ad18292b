# vd_class_library(<name> <source>...)
#
# Library classes register themselves from static initialisers that nothing
# else references, so a plain archive link drops every class a program only
# creates by name. <name> is what users link: an interface over the archive
# <name>_archive that always links it whole. Give the archive's own include
# directories and dependencies to <name>_archive.
function(vd_class_library name)
  add_library(${name}_archive STATIC ${ARGN})
  set_target_properties(${name}_archive PROPERTIES OUTPUT_NAME ${name})
  target_include_directories(${name}_archive PUBLIC ${PROJECT_SOURCE_DIR})
  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}_archive>")
endfunction()
