# Sent and posted messages, registered message numbers, and the boundary every handler runs in.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/dispatch_boundary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_queue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/register_message.cpp
)
