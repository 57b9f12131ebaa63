# LED frame helpers, lighting tables and synchronised lighting effects; plain code, no Windows.
add_library(panel_lighting STATIC
  lighting_tables.cpp
  lighting_state.cpp
  lighting_helpers.cpp
  sync_lighting.cpp
)
target_include_directories(panel_lighting PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

add_wine_test(panel_lighting_tests SOURCES
  tests/lighting_tables_tests.cpp
  tests/lighting_helpers_tests.cpp
  tests/sync_lighting_tests.cpp
  LIBS panel_lighting)

add_wine_test(sync_lighting_benchmark SOURCES tests/sync_lighting_benchmark.cpp
  LIBS panel_lighting LABELS benchmark)
