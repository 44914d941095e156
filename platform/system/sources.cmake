# What the running session offers: the process's account and executable, the desktop's opener, the environment, the
# wall clock and the tick count, processes started, libraries loaded at run time, the resource
# module, the screen's resolution, this machine's names and addresses, the event log, MulDiv and
# the auto-reset event that threads hand work over with.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/account.cpp
  ${CMAKE_CURRENT_LIST_DIR}/auto_reset_event.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop_opener.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/environment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_addresses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mul_div.cpp
  ${CMAKE_CURRENT_LIST_DIR}/process_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/process_spawn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resource_module.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tick_count.cpp
)
target_link_libraries(kelvo_platform PUBLIC ${CMAKE_DL_LIBS})
