# Sent and posted messages, registered message numbers, the boundary every handler runs in, and
# the key under pre-translation.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/dispatch_boundary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_message.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_queue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/register_message.cpp
)
