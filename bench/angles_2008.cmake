# Checks per second of the angle windows under NBR 8800:2008 through the core.
quintaro_add_bench(angles_2008_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/angles_2008_bench.cpp
    LIBS quintaro_checks)
