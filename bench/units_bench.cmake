add_executable(units_bench ${CMAKE_CURRENT_LIST_DIR}/units_bench.cpp)
target_link_libraries(units_bench PRIVATE quenmoortools_units benchmark::benchmark)
quenmoor_warnings(units_bench)
