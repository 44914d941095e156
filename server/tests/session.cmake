# Company session tests: the start, the closed session, the properties and the location numbers,
# in the process and through the real server process.
kelvo_add_test(server_session_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/session_aberta_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/session_inicializa_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/session_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/session_propriedades_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_session_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_session_tests Vaultis)
