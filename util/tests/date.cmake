# Tests of util/date.
kelvo_add_test(util_date_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/date_day_number_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_format_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_parse_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_zt_data_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_zt_mes_ano_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_moment_test.cpp
  DEPS kelvo::util kelvo::test_support
)
