# The company session: its start, the module's properties and the location numbers.
target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qd_codigo_empresa.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_inicializa.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_mestre_novo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_migracoes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_propriedades.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_propriedades_conversao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qd_propriedades_mescla.cpp
)
target_link_libraries(kelvo_server PUBLIC kelvo::conexo)
