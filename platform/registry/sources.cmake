# The registry store: keys and typed values in one text file per root, atomic writes under a lock.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_handles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_tree.cpp
)
