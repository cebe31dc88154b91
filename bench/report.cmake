# Reports written per second: the longest rolled I report (every check) and a
# double-angle report, into a recorder.
quintaro_add_bench(report_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/report_bench.cpp
    LIBS quintaro_report)
