# Checks per second of each member family through the core (reading boxes,
# computing, formatting results), and quintaro-lote over 10 000 rows.
quintaro_add_bench(checks_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/checks_core_bench.cpp
    LIBS quintaro_checks)
if(TARGET quintaro-lote)
    quintaro_add_bench(checks_lote_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/checks_lote_bench.cpp)
    target_compile_definitions(checks_lote_bench PRIVATE
        QUINTARO_LOTE_EXE="$<TARGET_FILE:quintaro-lote>"
        QUINTARO_TABLES_DIR="${QUINTARO_BUILD_DATA_DIR}")
    add_dependencies(checks_lote_bench quintaro-lote)
endif()
