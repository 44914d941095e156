# Preview bitmaps of stored contents: raster images through gdk-pixbuf, PDF pages through
# poppler's C++ library. GLOBAL, so that every target that links the server links them too.
find_package(PkgConfig REQUIRED)
pkg_check_modules(THUMBNAIL_PIXBUF REQUIRED IMPORTED_TARGET GLOBAL gdk-pixbuf-2.0)
pkg_check_modules(THUMBNAIL_POPPLER REQUIRED IMPORTED_TARGET GLOBAL poppler-cpp)

target_sources(kelvo_server PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_dib.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_extractor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_pdf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_pixbuf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_size.cpp
)
target_link_libraries(kelvo_server PRIVATE PkgConfig::THUMBNAIL_PIXBUF PkgConfig::THUMBNAIL_POPPLER)
