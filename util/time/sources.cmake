# The clock and test clock, short dates, day counts and times of day.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/current_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/day_counts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/digit_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/short_date.cpp
  ${CMAKE_CURRENT_LIST_DIR}/short_date_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/time_of_day.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zt_data1950.cpp
)
