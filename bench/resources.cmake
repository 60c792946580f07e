# Resource look-ups as a dialog-heavy library makes them: strings, templates, bitmaps.
mfp_add_bench(NAME resources_bench SOURCES ${CMAKE_SOURCE_DIR}/bench/resources_bench.cpp LIBS mfpwin)
mfp_add_resources(resources_bench ${CMAKE_SOURCE_DIR}/tests/platform/resources/fixtures/fixture.rc)
target_include_directories(resources_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/platform/resources)
