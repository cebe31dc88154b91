# quintaro-lote as a whole process over 100 000 generated members: CPU time
# and peak memory of the child process, checking and searching.
if(TARGET quintaro-lote)
    quintaro_add_bench(lote_stream_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/lote_stream_bench.cpp)
    target_compile_definitions(lote_stream_bench PRIVATE
        QUINTARO_LOTE_EXE="$<TARGET_FILE:quintaro-lote>"
        QUINTARO_TABLES_DIR="${QUINTARO_BUILD_DATA_DIR}")
    add_dependencies(lote_stream_bench quintaro-lote)
endif()
