# The operations log QDLOG.DAT: assembling a batch, appending it, reading the log back.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_grava_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_le_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_log_bloco.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_log_entrada.cpp
)
# The log's batches and entries are records of the interface.
target_link_libraries(kelvo_server PUBLIC kelvo::idl)
