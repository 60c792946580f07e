# Registry: the cost of one value read as the libraries do it (open, query, close).
mfp_add_bench(NAME registry_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/registry_bench.cpp LIBS mfpwin)
