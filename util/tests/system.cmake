# Tests of util/system. The resource switch is tried on the stand-in import library, which the
# import tests' build step puts in this folder.
kelvo_add_test(util_system_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/system_font_height_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_host_ip_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_session_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_troca_recurso_test.cpp
  DEPS kelvo::util kelvo::test_support
)
set_target_properties(util_system_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${UTIL_IMPORT_FOLDER})
add_dependencies(util_system_tests util_import_libraries)
