add_executable(xls_bench ${CMAKE_CURRENT_LIST_DIR}/xls_bench.cpp)
target_link_libraries(xls_bench PRIVATE xlsfile benchmark::benchmark)
quenmoor_warnings(xls_bench)
