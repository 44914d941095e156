# The view protocol: the update hints, their blocks, the dispatcher every view mixes in, the
# grid's multi-row selection block, the generic grid and tree views built on them, and the
# stand-alone tree view with text look-up and date branches.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_avisa_views.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_blocos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_grid_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_selecao_linhas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_tree_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_tree_view.cpp
)
