# Tests are Windows programs run under Wine through CTest.
enable_testing()
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(target gtest gtest_main gmock gmock_main)
  if(TARGET ${target})
    target_compile_options(${target} PRIVATE -w)
  endif()
endforeach()

set(WINE_EXEC "${CMAKE_SOURCE_DIR}/scripts/wine-exec.sh")

# Tests that show windows or inject input each take one X display for their whole run: on a display
# they shared, a window of one test could take the activation (closing another's menu or drop-down)
# or receive its keys. Each display comes with its own copy of the prefix (scripts/wine-env.sh), and
# CTest hands them out, so that several such tests run at once.
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
math(EXPR default_displays "(${cores} + 1) / 2")
set(TEST_DISPLAYS ${default_displays} CACHE STRING "X displays that the tests showing windows share out")
math(EXPR last_display "${TEST_DISPLAYS} - 1")
set(displays "")
foreach(id RANGE ${last_display})
  list(APPEND displays "{\"id\": \"${id}\", \"slots\": 1}")
endforeach()
list(JOIN displays ", " displays)
file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/test-displays.json" @ONLY CONTENT
  "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"displays\": [${displays}]}]}\n")
set(CTEST_RESOURCE_SPEC_FILE "${CMAKE_BINARY_DIR}/test-displays.json")

function(uses_shared_display)
  set_property(TEST ${ARGN} PROPERTY RESOURCE_GROUPS displays:1)
endfunction()

# add_wine_test(NAME SOURCES ... [LIBS ...] [LABELS ...] [TIMEOUT s] [DISPLAY])
# Builds a GoogleTest program into TEST_BIN_DIR and registers it with CTest, run under Wine.
# DISPLAY marks a test that shows windows: it takes a display of its own.
function(add_wine_test name)
  cmake_parse_arguments(T "DISPLAY" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${TEST_BIN_DIR}")
  add_test(NAME ${name} COMMAND "${WINE_EXEC}" "$<TARGET_FILE:${name}>" --gtest_brief=1 --gtest_shuffle
           WORKING_DIRECTORY "${TEST_BIN_DIR}")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
  if(T_DISPLAY)
    uses_shared_display(${name})
  endif()
endfunction()

# A program that tests use (a tool or a stand-in); lands beside the test programs.
function(place_in_test_bin target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${TEST_BIN_DIR}")
endfunction()
