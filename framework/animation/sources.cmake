# The bitmap animation window: frames of an image list cycled by a worker thread of the window.
target_sources(kelvo_framework PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_classe_animacao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_wnd_bmp_animate.cpp
)
