# Creating every window over the bundled catalogues: the program's start-up
# (not in a core-only build, which has no windows).
if(TARGET quintaro_shell)
    quintaro_add_bench(bench_shell_start_up
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_start_up.cpp
        LIBS quintaro_shell)
    target_compile_definitions(bench_shell_start_up PRIVATE
        QUINTARO_BUNDLED_DATA="${QUINTARO_BUILD_DATA_DIR}")
endif()
