# COM: GUIDs, BSTRs, the task allocator, class registration, activation, the local server's
# transport and loop; the event log and process starting that activation and diagnostics use.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/com/activation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/apartment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/bstr.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/class_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/class_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/endpoint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/guid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/hresult_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/local_server.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/module_lock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/proxy_stub.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/ref_counted.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/server_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/server_launch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/socket_channel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/task_allocator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/unix_socket.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/wire.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/process_spawn.cpp
)
