# The loaders of the two outside audio libraries, and the one seam for modal message boxes.

# Each library's entry-point names are one list, in resolution order. The loaders' tables here
# and the stand-in libraries' export files (tests/standins) are generated from these lists, so the
# two cannot drift apart.
set_property(GLOBAL PROPERTY AUDIO_ENTRY_POINT_LISTS ${CMAKE_CURRENT_LIST_DIR})

# audio_entry_point_names(<control|config> <out-var>): the names of one library, in order.
function(audio_entry_point_names library out_var)
  get_property(folder GLOBAL PROPERTY AUDIO_ENTRY_POINT_LISTS)
  set(list_file ${folder}/audio_${library}_entry_points.txt)
  file(STRINGS ${list_file} names)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  set(${out_var} ${names} PARENT_SCOPE)
endfunction()

# write_audio_entry_point_macros(<file> <names...>): one AUDIO_ENTRY_POINT(name) line per name,
# for the C++ side to expand as it needs (enumerators, name strings, stand-in functions).
function(write_audio_entry_point_macros file)
  set(lines "")
  foreach(name ${ARGN})
    string(APPEND lines "AUDIO_ENTRY_POINT(${name})\n")
  endforeach()
  file(CONFIGURE OUTPUT ${file} CONTENT "${lines}" @ONLY)
endfunction()

set(AUDIO_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/audio_generated)
foreach(library control config)
  audio_entry_point_names(${library} names)
  write_audio_entry_point_macros(${AUDIO_GENERATED_DIR}/audio_${library}_entry_points.inc ${names})
endforeach()

add_library(system_dialogs STATIC system_dialogs.cpp)
target_include_directories(system_dialogs PUBLIC ${CMAKE_CURRENT_LIST_DIR})

add_library(panel_audio STATIC
  audio_library_module.cpp
  audio_control_library.cpp
  audio_config_library.cpp
)
target_include_directories(panel_audio PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${AUDIO_GENERATED_DIR})
target_link_libraries(panel_audio PUBLIC diagnostics system_dialogs)

# Loads the audio configuration library and writes which file it came from; the version test runs
# it under different Windows versions.
add_executable(audio_config_probe tests/audio_config_probe.cpp)
target_link_options(audio_config_probe PRIVATE -municode)
target_link_libraries(audio_config_probe PRIVATE panel_audio)
place_in_test_bin(audio_config_probe)

add_wine_test(audio_library_tests SOURCES
  tests/audio_control_library_tests.cpp
  tests/audio_config_library_tests.cpp
  LIBS panel_audio test_support audio_standin_steering)
add_dependencies(audio_library_tests audio_standins audio_config_probe)
