# File layer tests.
kelvo_add_test(platform_file_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/file_error_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_operations_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_process_info_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_share_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_stamp_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_temp_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folder_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folder_watch_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/idle_descriptors_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scratch_file_test.cpp
  DEPS kelvo::platform kelvo::test_support
)
