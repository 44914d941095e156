# Tests of util/key.
kelvo_add_test(util_key_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/key_origem_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_chave_mes_ano_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_dmc_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_quem_gerou_test.cpp
  DEPS kelvo::util kelvo::test_support
)
