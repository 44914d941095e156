# Money values: the raw automation currency and its routines, the two money classes, the free
# money operators and the money text forms.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cy_operators.cpp
  ${CMAKE_CURRENT_LIST_DIR}/money_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_currency.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_currency_ex.cpp
)
