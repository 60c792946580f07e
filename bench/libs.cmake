# GetMFPModel through the loaded libmirvale.so next to a bare get through the SNMP layer, and the
# whole mfpctl model process next to snmpget asking the same object.
mfp_add_bench(NAME libs_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/libs_bench.cpp
              ${CMAKE_SOURCE_DIR}/tests/address/printer_setup.cpp
              LIBS mfpsnmp mfpwin mfptestsupport mfpaddress)
# The printers and ports of the resolver tests.
target_include_directories(libs_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/address)
target_compile_definitions(libs_bench PRIVATE MFP_BENCH_BUILD_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(libs_bench devsim mirvale mfpctl)
