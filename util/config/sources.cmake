# Module table, registry configuration and folder look-ups.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/folder_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_functions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_registry.cpp
)
