# Tests of util/com.
kelvo_add_test(util_com_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/com_cria_instancia_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_diagnostico_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_filtro_mensagens_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_holders_test.cpp
  DEPS kelvo::util kelvo::test_support
)
