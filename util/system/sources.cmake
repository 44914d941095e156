# System information: host addresses, the user's name, fresh GUIDs, font heights and the switch
# of the resource module.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_altura_fonte.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_host_ip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_novo_guid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_troca_recurso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_usuario_windows.cpp
)
