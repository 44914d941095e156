# COM server activation, its diagnostics in the event log, interface holders and hand-over, and
# the threads' message filters.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_cria_instancia.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_evento_servidor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_filtro_mensagens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_lista_interfaces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_ping.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_seguranca_com.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_servidor_remoto.cpp
)
