# The server object, its class object, and the server program's registration and start.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/find_one_of.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_codigo_prefixo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_diretorio_docs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vaultis_comando.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vaultis_registro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vaultis_servidor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_busca.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_distribuicao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_documentos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_fabrica.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_locais.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_miniaturas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_relatorio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_tipos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_qd_srv_vinculos.cpp
)
target_link_libraries(kelvo_server PUBLIC kelvo::idl kelvo::pendora)
