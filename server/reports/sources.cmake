# The module's four reports, laid out by the suite's report generator.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_log_type.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_monta_relatorio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_nomes_usuarios.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_relatorio_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_relatorio_locarq.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_relatorio_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_relatorio_log_filtro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_relatorio_tipdoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_texto_momento.cpp
)
target_link_libraries(kelvo_server PUBLIC kelvo::geralis)
