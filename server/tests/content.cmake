# Stored contents and their temporary names, content encryption, the encryption switch and the
# run-as identity.
kelvo_add_test(server_content_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/content_archive_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_arquivo_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_crypto_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_documento_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_encripta_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_identidade_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_nome_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_provisorio_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content_vigia_docs_test.cpp
  DEPS kelvo::server kelvo::test_support
)
