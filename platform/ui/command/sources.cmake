# Command handler tables and the update of commands' user interface.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cmd_target.cpp
)
