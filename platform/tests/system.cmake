# The running session: devices, the desktop opener, GUIDs, host addresses, run-time libraries, MulDiv, resources,
# the auto-reset event.
kelvo_add_test(platform_system_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/system_auto_reset_event_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_desktop_opener_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_device_context_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_guid_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_host_addresses_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_library_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_mul_div_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_resource_module_test.cpp
  DEPS kelvo::platform kelvo::test_support
)

# The loader looks only in the program's own folder, so the test's libraries are put there: a
# small library with two exports, and a file of a library's name that is no library at all.
add_library(platform_system_test_module SHARED ${CMAKE_CURRENT_LIST_DIR}/system_test_module.cpp)
set_target_properties(platform_system_test_module PROPERTIES
  OUTPUT_NAME SystemTestModule
  LIBRARY_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:platform_system_tests>)
add_dependencies(platform_system_tests platform_system_test_module)
file(GENERATE OUTPUT $<TARGET_FILE_DIR:platform_system_tests>/libSystemTestBroken.so
  CONTENT "not a shared library\n")

# The wall clock and time zone, and the monotonic tick count.
kelvo_add_test(platform_clock_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/clock_test.cpp
  DEPS kelvo::platform
)
kelvo_add_test(platform_tick_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tick_count_test.cpp
  DEPS kelvo::platform
)
