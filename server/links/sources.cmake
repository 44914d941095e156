# Document links: the link record of QDVINDOC.DAT, the origins of documents, removing links.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_exclui_vinculos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_origens_doc.cpp
)
