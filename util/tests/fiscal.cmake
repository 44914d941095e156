# Tests of util/fiscal.
kelvo_add_test(util_fiscal_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_bar_code_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_country_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_cpf_cnpj_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_descriptions_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_federative_unit_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_messages_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_modulo11_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_municipality_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_small_checks_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fiscal_tax_situation_test.cpp
  DEPS kelvo::util kelvo::test_support
)
# The shipped message file, whose lines for the validators' codes are checked.
target_compile_definitions(util_fiscal_tests PRIVATE
  KELVO_FISCAL_MESSAGE_FILE="${PROJECT_SOURCE_DIR}/util/message/ZTQDMens.txt")
