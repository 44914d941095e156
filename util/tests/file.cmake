# Tests of util/file.
kelvo_add_test(util_file_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/file_crc32_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_folder_picker_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_folder_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_path_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_probe_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_temp_test.cpp
  DEPS kelvo::util kelvo::test_support
)
