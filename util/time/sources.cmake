# The clock, short dates and times of day.
target_sources(kelvo_util PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
)
