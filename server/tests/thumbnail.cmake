# Preview bitmaps of stored contents: sizes, the bitmap form, raster images and PDF pages.
kelvo_add_test(server_thumbnail_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_dib_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_extractor_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_image_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_pdf_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_size_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thumbnail_test_support.cpp
  DEPS kelvo::server kelvo::test_support PkgConfig::THUMBNAIL_PIXBUF
)
