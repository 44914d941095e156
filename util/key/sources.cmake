# Origin records, month/key values and origin keys: the packed keys of other modules' records.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_origem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_chave_mes_ano.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_dmc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_nome_modulo_origem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_quem_gerou.cpp
)
