# The record-file layer: CZTArqEx, the control list, the module's file table, runs, byte files and
# the windowed reader of scans.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_causas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_ex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_ex_cria.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_ex_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_falha.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_leitor_registros.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_sequencia.cpp
)
