# The spooler over a realistic fleet: enumerating 1,000 printers in the API and through mfpctl.
mfp_add_bench(NAME spooler_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/spooler_bench.cpp LIBS mfpwin)
target_compile_definitions(spooler_bench PRIVATE MFPCTL_PATH="$<TARGET_FILE:mfpctl>")
add_dependencies(spooler_bench mfpctl)
