# Day numbers, the date classes and their texts.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/day_number.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_parse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_time_value.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/year_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_mes_ano.cpp
)
