# String tables, bitmaps and icons registered in code.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/resources.cpp
)
