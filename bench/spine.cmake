# The query frame's own cost next to the SNMP round trip it wraps.
mfp_add_bench(NAME spine_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/spine_bench.cpp
              LIBS mfpsnmpquery mfptestsupport)
target_compile_definitions(spine_bench PRIVATE MFP_BENCH_BUILD_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(spine_bench devsim)
