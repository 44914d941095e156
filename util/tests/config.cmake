# Tests of util/config.
kelvo_add_test(config_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/config_folders_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/config_module_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/config_registry_test.cpp
  DEPS kelvo::util kelvo::test_support
)
