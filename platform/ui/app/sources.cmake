# The application object, its command line, profile and wait cursor, idle work, and running it with the
# layer's seams installed.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_line_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/idle_task.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layer_seams.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wait_cursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_app.cpp
)
