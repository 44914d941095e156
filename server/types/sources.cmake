# Document types: their record layouts, conversions, lists, the access rule of user lists and the
# four operations of the server object.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_acesso_usuarios.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_busca_ptrs_tipdoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_exclui_tipdoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_grava_tipdoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_le_tipdoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_tipdoc_conversao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_tipdoc_log.cpp
)
