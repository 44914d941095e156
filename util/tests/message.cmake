kelvo_add_test(util_message_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/message_test.cpp
  DEPS kelvo::util kelvo::test_support
)
