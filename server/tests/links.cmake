# Document-link tests: removing links and listing the origins of documents.
kelvo_add_test(server_links_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/links_vinculos_test.cpp
  DEPS kelvo::server kelvo::test_support
)
