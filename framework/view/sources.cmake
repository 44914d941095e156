# The view protocol: the update hints, their blocks, the dispatcher every view mixes in, and the
# grid's multi-row selection block.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_blocos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_selecao_linhas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_view.cpp
)
