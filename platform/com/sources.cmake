# COM: GUIDs, BSTRs, the task allocator, class registration, activation, the local server's
# transport and loop.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/activation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/apartment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bstr.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/class_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/endpoint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hresult_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_budget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/local_server.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_lock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/proxy_stub.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ref_counted.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_launch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/socket_channel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/task_allocator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unix_socket.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wire.cpp
)
