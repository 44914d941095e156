# Lock marks: exclusive mark files that serialise processes working on one data folder.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_db_lock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_arq_marca.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_marca_codigos.cpp
)
