mfp_add_bench(NAME kernel_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/kernel/kernel_bench.cpp LIBS mfpwin)
