# One-time data migrations: their parts, a company in the old layouts converted by the session
# start (failures, leftovers and a busy lock included), and one conversion in the real server.
kelvo_add_test(server_migrations_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/migrations_conversao_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/migrations_falhas_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/migrations_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/migrations_unidades_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_migrations_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_migrations_tests Vaultis)
