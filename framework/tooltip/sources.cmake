# The tooltip window: the whole text of a control that does not fit, shown over the control.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_tip_retangulo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_tip_wnd.cpp
)
