# The status bar: panes laid out and painted by the bar itself, owner-drawn panes, the keyboard
# lock indicators.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/lock_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar_widget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_fit.cpp
)
