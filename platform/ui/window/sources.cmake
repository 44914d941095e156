# Windows over Qt widgets, their handles, their classes and the user-interface thread.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layer_start.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ui_thread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/virtual_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_class.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wnd_widget.cpp
)
