# The frame's bars: menus, toolbars, accelerators and their update-UI and prompts.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/action_cmd_ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_strings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_menu_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tool_bar.cpp
)
