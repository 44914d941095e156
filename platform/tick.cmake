# The monotonic tick count and sleeping.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tick_count.cpp
)

# Its test lives with the layer's tests and is registered here, with the sources it checks.
kelvo_add_test(platform_tick_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/tick_count_test.cpp
  DEPS kelvo::platform
)
