pkg_check_modules(FREEXL REQUIRED IMPORTED_TARGET freexl)
add_executable(xls_bench ${CMAKE_CURRENT_LIST_DIR}/xls_bench.cpp)
target_link_libraries(xls_bench PRIVATE xlsfile PkgConfig::FREEXL benchmark::benchmark)
target_compile_definitions(xls_bench PRIVATE
    XLWT_WORKBOOK_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/xlwt_workbook.py")
quenmoor_warnings(xls_bench)
