# The one-time conversions of a company's stored data that the session start runs.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_ambiente_migracoes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_assinatura_conversao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_contexto_migracao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_locarq_antigo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_migra_converte_locais.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_migra_locais_antigos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_migra_refaz_docs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_migra_usuarios_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_operacoes_arquivo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_reconstroi_arquivo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_sobras_conversao.cpp
)
