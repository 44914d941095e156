# The Enter-key navigation of dialogs and of the pages of a tab control: the keys it acts on and
# its page switching.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_enter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_enter_paginas.cpp
)
