# Tests of util/number.
kelvo_add_test(util_number_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/number_conversion_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_rounding_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_interest_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_weight_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_weekday_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_text_check_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_environment_test.cpp
  DEPS kelvo::util kelvo::test_support
)
