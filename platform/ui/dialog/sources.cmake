# Dialogs made from their templates: the modal and modeless dialog, its controls and its Qt side;
# the dialog manager's tab order, keys and mnemonics; data exchange and the controls' updates.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/data_exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_manager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_widget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mnemonics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tab_order.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_dialog_controls.cpp
)
