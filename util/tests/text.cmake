# Tests of util/text.
kelvo_add_test(util_text_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/text_buffer_routines_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_code_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_escaping_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_packed_numeric_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_temp_name_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_template_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zt_string_test.cpp
  DEPS kelvo::util kelvo::test_support
)
