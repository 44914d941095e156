# The framework dialog: the base of the programs' dialogs and of the pages of forms and dialogs,
# with the walk of Tab and Enter across nested tab controls.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_passeio_paginas.cpp
)
