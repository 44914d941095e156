# The framework document's records and hint side, and the document tied to one record cache.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_document.cpp
)
