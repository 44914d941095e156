# Context help: the module's context-help file read for a form's and a control's page, shown
# with the desktop's opener.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_ajuda.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_fc_ajuda_xml.cpp
)
target_link_libraries(kelvo_framework PUBLIC Qt6::Xml)
