# HID devices and the vendor command channel of keyboard, mouse and mouse pad.
add_library(panel_hid STATIC
  ${CMAKE_CURRENT_LIST_DIR}/hid_backend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hid_windows_backend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hid_device.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hid_report_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_command_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_command_channel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_commands.cpp
)
target_include_directories(panel_hid PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(panel_hid PUBLIC diagnostics setupapi hid)

add_wine_test(hid_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/hid_report_items_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/hid_device_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/hid_wine_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/simulated_device_tests.cpp
  LIBS panel_hid panel_services device_simulation)

add_wine_test(device_command_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/device_command_channel_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/device_commands_tests.cpp
  LIBS panel_hid device_simulation)

add_wine_test(device_channel_benchmark SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tests/device_channel_benchmark.cpp
  LIBS panel_hid device_simulation
  LABELS benchmark)
