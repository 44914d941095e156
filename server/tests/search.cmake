# Document-search tests: file-name patterns, field comparisons and the other criteria on their
# own, both searches in the process against a company stored through the server's methods, and
# both through the real server process; the quick search held against its reference on a generated
# company, also while another process changes or cuts its files.
kelvo_add_test(server_search_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/search_busca_ptrs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_criterios_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_diferencial_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_empresa_gerada.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_outro_processo_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_padroes_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_palavras_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_rapida_referencia.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_rapida_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_textos_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_search_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_search_tests Vaultis)
