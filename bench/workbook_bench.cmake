add_executable(workbook_bench ${CMAKE_CURRENT_LIST_DIR}/workbook_bench.cpp)
target_link_libraries(workbook_bench PRIVATE quenmoorcom quenmoor_spreadsheet_contract xlsfile benchmark::benchmark
                                             nlohmann_json::nlohmann_json ${CMAKE_DL_LIBS})
target_include_directories(workbook_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(workbook_bench PRIVATE
    WORKBOOK_LIBRARY="$<TARGET_FILE:workbook>"
    DEFAULT_OPTIONS="${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/Options.xls"
    LIBREOFFICE_READ_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/libreoffice_read.py")
add_dependencies(workbook_bench workbook default_workbooks)
quenmoor_warnings(workbook_bench)
