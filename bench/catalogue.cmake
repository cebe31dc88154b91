quintaro_add_bench(catalogue_open_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/catalogue_open_bench.cpp
    LIBS quintaro_catalogue)
target_compile_definitions(catalogue_open_bench PRIVATE
    QUINTARO_CATALOGUE_DIR="${PROJECT_SOURCE_DIR}/data")
