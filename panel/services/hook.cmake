# The input capture hook, and the file dialogs with their test seam (beside the message boxes'
# seam, system_dialogs).
add_library(panel_hook STATIC ${CMAKE_CURRENT_LIST_DIR}/device_hook.cpp)
target_include_directories(panel_hook PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(panel_hook PUBLIC diagnostics user32)

add_library(panel_file_dialogs STATIC ${CMAKE_CURRENT_LIST_DIR}/file_dialogs.cpp)
target_include_directories(panel_file_dialogs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(panel_file_dialogs PUBLIC comdlg32)

add_wine_test(device_hook_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/device_hook_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/file_dialogs_tests.cpp
  LIBS panel_hook panel_file_dialogs test_support DISPLAY)
