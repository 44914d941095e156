# Document search: the filter's criteria and the scan of BuscaPtrsDoc, the quick search of
# BuscaRapida with its text cache and word counting, file-name patterns, and the ordering and
# handing out of their results.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_acertos_posicao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_busca_ptrs_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_busca_rapida.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_cache_textos_busca.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_codigos_admitidos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_compara_campo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_condicoes_campos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_criterios_registro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_docs_pontuados.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_exclusoes_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_hoje_1950.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_leitor_descricoes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_padroes_arquivo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_palavras_busca.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_sessao_busca.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_tabelas_texto.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_textos_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_textos_referencia.cpp
)
