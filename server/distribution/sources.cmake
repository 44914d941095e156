# Distribution lists: the list and item records, reading and writing a list.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_grava_distribuicao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_itens_distribuicao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_le_distribuicao.cpp
)
