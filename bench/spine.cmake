# The query frame's own cost next to the SNMP round trip it wraps.
mfp_add_bench(NAME spine_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/spine_bench.cpp
              ${CMAKE_SOURCE_DIR}/tests/address/printer_setup.cpp
              LIBS mfpsnmpquery mfptestsupport)
# The printers and ports of the resolver tests.
target_include_directories(spine_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/address)
target_compile_definitions(spine_bench PRIVATE MFP_BENCH_BUILD_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(spine_bench devsim)
