# Report tests: the four reports through the real server process, read back with poppler's
# command-line tools, and the log report's filter in the process.
kelvo_add_test(server_reports_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/reports_datas_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports_doc_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports_log_filtro_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports_log_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports_textos_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_reports_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_reports_tests Vaultis)
