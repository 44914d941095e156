# Tests of util/time: the clock and test clock, short dates, day counts and times of day.
kelvo_add_test(util_time_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/time_clock_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_current_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_day_counts_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_of_day_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_short_date_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/time_short_date_text_test.cpp
  DEPS kelvo::util kelvo::test_support
)
