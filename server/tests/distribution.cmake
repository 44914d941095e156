# Distribution-list tests: writing and reading lists in the process, and through the real server
# process (two clients at once).
kelvo_add_test(server_distribution_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/distribution_grava_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/distribution_le_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/distribution_process_test.cpp
  DEPS kelvo::server kelvo::setup kelvo::test_support
)
target_compile_definitions(server_distribution_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_distribution_tests Vaultis)
