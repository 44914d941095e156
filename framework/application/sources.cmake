# The application layers: the framework's and the suite's application objects, the command line,
# the error objects and how an exception that no handler caught ends.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_acesso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_excecao_nao_tratada.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_exception.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_parametros.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_exception.cpp
)
