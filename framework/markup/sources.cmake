# The markup text renderer: bold, italic, underline, colour and line breaks drawn on a canvas,
# and the same text without its markup.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_desenho_marcado.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_marcas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_pilhas_marcas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_texto_marcado.cpp
)
