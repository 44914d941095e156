# The framework and suite documents: records, hint side, save results, commands and the company
# start-up (with the seam to the company and start-up libraries), and the document tied to one
# record cache.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_resultado_gravacao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_servicos_empresa.cpp
)
