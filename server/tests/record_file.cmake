# Record-file layer tests.
kelvo_add_test(server_record_file_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/record_file_arq_t_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_cache_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_causes_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_create_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_io_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_open_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_runs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/record_file_table_test.cpp
  DEPS kelvo::server kelvo::test_support
)
