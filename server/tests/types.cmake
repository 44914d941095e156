# Document-type tests: writing, reading, searching and deleting types in the process, and through
# the real server process (two of them on one data folder).
kelvo_add_test(server_types_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/types_busca_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/types_exclui_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/types_grava_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/types_le_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/types_process_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_types_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_types_tests Vaultis)
