# The wall clock and the time zone.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
)

# Its test lives with the layer's tests and is registered here, with the sources it checks.
kelvo_add_test(platform_clock_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/clock_test.cpp
  DEPS kelvo::platform
)
