# Document-link tests: removing links, listing the origins of documents, adding links with the
# origins related through the other modules' stand-in servers, listing the documents of origins,
# the notices of changed and deleted origins, and all of it through the real server process.
kelvo_add_test(server_links_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/links_vinculos_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/links_adiciona_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/links_busca_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/links_notifica_test.cpp
  DEPS kelvo::server kelvo::test_support
)

# Links through the real Vaultis process and the stand-ins' own process.
kelvo_add_test(server_links_process_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/links_process_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_links_process_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>"
                                                               KELVO_MODULOS="$<TARGET_FILE:kelvo-modulos>")
add_dependencies(server_links_process_tests Vaultis kelvo-modulos)
