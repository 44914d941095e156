# COM layer tests: wire frames, objects and class objects, class registration, the server loop
# in-process, the real server process, the event log and process starting.
kelvo_add_library(com_test_counter
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/com_test_counter.cpp
  DEPS kelvo::platform
)

kelvo_add_program(com_test_server
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/com_test_server.cpp
  DEPS kelvo::com_test_counter
)

kelvo_add_test(com_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/com_basics_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_event_log_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_frame_reader_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_object_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_process_spawn_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_process_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_registry_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_server_loop_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/com_wire_test.cpp
  DEPS kelvo::platform kelvo::test_support kelvo::com_test_counter
)
target_compile_definitions(com_tests PRIVATE KELVO_COM_TEST_SERVER="$<TARGET_FILE:com_test_server>")
add_dependencies(com_tests com_test_server)

# A libFuzzer target for the connection and frame layer, both sides.
kelvo_add_fuzzer(com_connection_fuzzer
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/com_connection_fuzzer.cpp
  DEPS kelvo::com_test_counter
  OPTIONS -max_len=16384
)
