# Dialogs made from their templates: the modal and modeless dialog, its controls and its Qt side.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_widget.cpp
)
