# Files with open and share modes, their errors, status and temporary names, and folders.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_error.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_operations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_share.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_stamp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_temp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scratch_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_watch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/idle_descriptors.cpp
)
