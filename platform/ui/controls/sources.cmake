# The common controls: the tree control, its guarded selection.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/guarded_selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tree_ctrl.cpp
)
