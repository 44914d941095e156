# Controls: edits, combo boxes, buttons, statics, tab rows and the tree control, and how they
# notify their parent.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/combo_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guarded_selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notify_parent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/static.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tab_ctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tree_ctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/typing_filter.cpp
)
