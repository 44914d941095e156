# Tests of util/money.
kelvo_add_test(util_money_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/money_cy_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/money_currency_ex_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/money_currency_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/money_text_test.cpp
  DEPS kelvo::util kelvo::test_support
)
