# Document links: the link record of QDVINDOC.DAT, the origins of documents, removing links,
# adding links with the origins related to them in the other modules, listing the documents of
# origins, and the other modules' notices of changed and deleted origins.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_exclui_vinculos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_origens_doc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_adiciona_vinculo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_busca_vinculos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_notifica_origem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_origens_relacionadas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_servidores_modulos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_sessao_vinculos.cpp
)
target_link_libraries(kelvo_server PUBLIC kelvo::modulos)
