# The lightest-section search over the whole welded CS catalogue.
quintaro_add_bench(bench_search_core
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/search_core.cpp
    LIBS quintaro_search)
target_compile_definitions(bench_search_core PRIVATE
    QUINTARO_BENCH_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
