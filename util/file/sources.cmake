target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/zt_crc32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_file_probe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_folder_picker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_temp_file.cpp
)
