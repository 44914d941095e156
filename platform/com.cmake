# COM: GUIDs, BSTRs, the task allocator, activation and the call transport.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/com/bstr.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/guid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com/task_allocator.cpp
)
