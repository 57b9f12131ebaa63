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

# Tests that show windows or inject input share the harness's one X display, where a window of one
# test can take the activation (closing another's menu or drop-down) or receive its keys: they run
# one at a time.
function(uses_shared_display)
  set_property(TEST ${ARGN} APPEND PROPERTY RESOURCE_LOCK display)
endfunction()

# add_wine_test(NAME SOURCES ... [LIBS ...] [LABELS ...] [TIMEOUT s] [DISPLAY])
# Builds a GoogleTest program into TEST_BIN_DIR and registers it with CTest, run under Wine.
# DISPLAY marks a test that shows windows on the shared display.
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
