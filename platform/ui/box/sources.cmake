# The one message-box routine and the test hook for the next dialog of a template.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/next_dialog.cpp
)
