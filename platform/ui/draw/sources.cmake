# Drawing: the canvas over a Qt painter, bitmaps, image lists and the desktop's colours.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_colours.cpp
)
