# Operations-log tests.
kelvo_add_test(server_log_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/log_bloco_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_grava_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_le_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_process_test.cpp
  DEPS kelvo::server kelvo::test_support
)
