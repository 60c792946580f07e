# GetMFPModel through the loaded libmirvale.so next to a bare get through the SNMP layer, and the
# whole mfpctl model process next to snmpget asking the same object.
mfp_add_bench(NAME libs_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/libs_bench.cpp
              LIBS mfpsnmp mfpwin mfptestsupport)
target_compile_definitions(libs_bench PRIVATE MFP_BENCH_BUILD_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(libs_bench devsim mirvale mfpctl)
