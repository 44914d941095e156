# Documents, views (form and tree views among them), frames and the single-document template.
target_sources(kelvo_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_wnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_doc_template.cpp
  ${CMAKE_CURRENT_LIST_DIR}/splitter_wnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tree_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view.cpp
)
