# The one message-box routine and the test hooks for the next dialog of a template and for every
# dialog or form shown.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/next_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shown_window.cpp
)
