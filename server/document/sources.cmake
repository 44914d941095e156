# Documents: the record layouts, their conversions, the access rule, and reading, writing and
# deleting documents with their users, fields, description and content.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_acesso_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_conteudo_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_doc_conversao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_doc_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_exclui_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_grava_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_le_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_locarq_disponivel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_miniaturas_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_sessao_docs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_usuarios_doc.cpp
)
