# The status bar of the main frames: its panes and pictures, the free senders that reach it from
# any thread, and the wait cursor that animates it.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_status_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_status_bar_envio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_status_bar_partilha.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_status_bar_recursos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_wait_cursor.cpp
)
