# Document tests: conversions, the access rule, writing, reading and deleting documents in the
# process (encrypted contents included), and through the real server process, also when it is
# killed while it saves.
kelvo_add_test(server_document_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/document_acesso_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_conversao_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_datas_antigas_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_crash_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_encriptacao_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_exclui_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_grava_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_le_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_miniaturas_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_test_support.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support kelvo::bench_support
)
target_compile_definitions(server_document_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_document_tests Vaultis)
# The preview tests' picture helpers write images through gdk-pixbuf.
target_link_libraries(server_document_tests PRIVATE PkgConfig::THUMBNAIL_PIXBUF)
