# Archive-location tests: the pure code rules, the operations in the process through the client
# library, the masks and their conversion, the recount, and the real server process.
kelvo_add_test(server_locations_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/locations_calcular_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/locations_codigo_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/locations_locarq_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/locations_mascara_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/locations_process_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_locations_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_locations_tests Vaultis)
