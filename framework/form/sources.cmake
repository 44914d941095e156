# The form side shared by forms and framework dialogs: validators and their collection, the
# validation walk over a form and its pages, focusing a control on its page, and clearing and
# enabling every control; the form protocol, its Tab and Enter keys, and the record form views.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_controles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_form_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_formulario.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_main_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_paginas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_teclas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_validacao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_validador.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_validador_collection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_kelvo_form_view.cpp
)
