# Registry store tests.
kelvo_add_test(registry_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/environment_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_format_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_store_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_test.cpp
  DEPS kelvo::platform kelvo::test_support
)
