# SNMP layer: one get through the layer next to the same get through net-snmp directly, and a
# 1,000-row get-next walk next to net-snmp's snmpwalk, all against devsim on loopback.
mfp_add_bench(NAME snmp_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/snmp_bench.cpp LIBS mfpsnmp mfptestsupport)
add_dependencies(snmp_bench devsim)
