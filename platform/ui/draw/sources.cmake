# Drawing: the canvas over a Qt painter, a scratch canvas for measuring, text in a rectangle,
# bitmaps, image lists and the desktop's colours.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scratch_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_colours.cpp
)
