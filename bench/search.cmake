# The lightest-section search over the whole welded CS catalogue.
quintaro_add_bench(bench_search_core
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/search_core.cpp
    LIBS quintaro_search)
target_compile_definitions(bench_search_core PRIVATE
    QUINTARO_BENCH_DATA_DIR="${PROJECT_SOURCE_DIR}/data")

# quintaro-lote --lightest over the same catalogue, as a whole process.
if(TARGET quintaro-lote)
    quintaro_add_bench(bench_search_lote SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/search_lote.cpp)
    target_compile_definitions(bench_search_lote PRIVATE
        QUINTARO_LOTE_EXE="$<TARGET_FILE:quintaro-lote>"
        QUINTARO_TABLES_DIR="${QUINTARO_BUILD_DATA_DIR}")
    add_dependencies(bench_search_lote quintaro-lote)
endif()

# The same walk through the welded window, its panel and boxes updated on the
# way (offscreen platform).
if(TARGET quintaro_shell)
    quintaro_add_bench(bench_search_window SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/search_window.cpp
        LIBS quintaro_shell)
    target_compile_definitions(bench_search_window PRIVATE
        QUINTARO_BUNDLED_DATA="${QUINTARO_BUILD_DATA_DIR}")
endif()
