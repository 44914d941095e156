# The text layer of the utility library: buffer routines, the house string, code pages,
# escapers, temporary names, packed numbers and the template filler.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/buffer_routines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/escaping.cpp
  ${CMAKE_CURRENT_LIST_DIR}/packed_numeric.cpp
  ${CMAKE_CURRENT_LIST_DIR}/temp_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/template.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_string.cpp
)
