# Lock-mark tests.
kelvo_add_test(server_lock_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/lock_test.cpp
  DEPS kelvo::server kelvo::test_support
)
