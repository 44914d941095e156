# The operations log QDLOG.DAT: assembling a batch, appending it, walking and reading the log back.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_grava_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_le_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_log_bloco.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_log_cauda.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_log_entrada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_percorre_log.cpp
)
# The log's batches and entries are records of the interface.
target_link_libraries(kelvo_server PUBLIC kelvo::idl)
