# vd_add_test_exe(<name> SOURCES <file>... [LIBRARIES <target>...])
#
# One GoogleTest executable is one CTest test. Under Wine every process start
# costs seconds, so cases are grouped into few executables instead of being
# registered one by one.
function(vd_add_test_exe name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "vd_add_test_exe(${name}): no SOURCES given")
  endif()
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vd_add_test_exe(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()

  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest_main gtest)

  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
endfunction()
