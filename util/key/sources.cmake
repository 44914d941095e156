# Origin records and month/key values: the packed keys of other modules' records.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_origem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_chave_mes_ano.cpp
)
