# Archive locations and the code masks of their groups.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_busca_ptrs_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_calcular_qtd_docs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_conta_docs_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_converte_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_filtro_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_grava_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_le_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_locarq_conversao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_mascara_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_mascaras_iniciais.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_recodifica_codigo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_troca_prefixo_codigo.cpp
)
