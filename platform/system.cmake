# What the running session offers beyond files and the registry: libraries loaded at run time,
# the resource module, the screen's resolution, this machine's addresses and MulDiv.
target_sources(kelvo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/device_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_addresses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mul_div.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resource_module.cpp
)
target_link_libraries(kelvo_platform PUBLIC ${CMAKE_DL_LIBS})

# The tests of these pieces live with the layer's tests and are registered here.
kelvo_add_test(platform_system_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/system_device_context_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/system_guid_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/system_host_addresses_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/system_library_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/system_mul_div_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/system_resource_module_test.cpp
  DEPS kelvo::platform kelvo::test_support
)

# The loader looks only in the program's own folder, so the test's libraries are put there: a
# small library with two exports, and a file of a library's name that is no library at all.
add_library(platform_system_test_module SHARED ${CMAKE_CURRENT_LIST_DIR}/tests/system_test_module.cpp)
set_target_properties(platform_system_test_module PROPERTIES
  OUTPUT_NAME SystemTestModule
  LIBRARY_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:platform_system_tests>)
add_dependencies(platform_system_tests platform_system_test_module)
file(GENERATE OUTPUT $<TARGET_FILE_DIR:platform_system_tests>/libSystemTestBroken.so
  CONTENT "not a shared library\n")
