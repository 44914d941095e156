# Server object tests: the command line, the object in the process, the real program's
# registration and the real server process reached from client processes.
kelvo_add_test(server_object_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/object_command_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/object_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/object_registration_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/object_server_test.cpp
  DEPS kelvo::server kelvo::test_support
)
target_compile_definitions(server_object_tests PRIVATE KELVO_VAULTIS="$<TARGET_FILE:Vaultis>")
add_dependencies(server_object_tests Vaultis)
