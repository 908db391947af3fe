add_executable(properties_bench ${CMAKE_CURRENT_LIST_DIR}/properties_bench.cpp)
target_link_libraries(properties_bench PRIVATE quenmoortools_properties quenmoortools_addin
                                               cadhost_automation xlsfile Qt::Widgets
                                               benchmark::benchmark ${CMAKE_DL_LIBS})
target_include_directories(properties_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(properties_bench PRIVATE WORKBOOK_LIBRARY="$<TARGET_FILE:workbook>")
add_dependencies(properties_bench workbook)
quenmoor_warnings(properties_bench)
