# Tests of util/import, end to end through the stand-in import library. The routines load the
# library from the running program's own folder, so each situation has a test program in a folder
# of its own: beside the real library, beside one of its name without the exports, beside none.
set(UTIL_IMPORT_TEST_DEPS kelvo::util kelvo::test_support)

kelvo_add_test(util_import_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/import_end_to_end_test.cpp
  DEPS ${UTIL_IMPORT_TEST_DEPS}
)
kelvo_add_test(util_import_invalid_library_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/import_invalid_library_test.cpp
  DEPS ${UTIL_IMPORT_TEST_DEPS}
)
kelvo_add_test(util_import_missing_library_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/import_missing_library_test.cpp
  DEPS ${UTIL_IMPORT_TEST_DEPS}
)
set(UTIL_IMPORT_FOLDER ${CMAKE_CURRENT_BINARY_DIR})
set(UTIL_IMPORT_INVALID_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/import_invalid_library)
set(UTIL_IMPORT_MISSING_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/import_missing_library)
set_target_properties(util_import_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${UTIL_IMPORT_FOLDER})
set_target_properties(util_import_invalid_library_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${UTIL_IMPORT_INVALID_FOLDER})
set_target_properties(util_import_missing_library_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${UTIL_IMPORT_MISSING_FOLDER})

# Copies the library of `library_target` into `folder` as libImporix.so whenever it is rebuilt.
function(util_import_place_library library_target folder)
  add_custom_command(
    OUTPUT ${folder}/libImporix.so
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${library_target}> ${folder}/libImporix.so
    DEPENDS ${library_target}
    COMMENT "Putting ${library_target} beside the import tests in ${folder}")
endfunction()
util_import_place_library(Imporix ${UTIL_IMPORT_FOLDER})
util_import_place_library(imporix_without_exports ${UTIL_IMPORT_INVALID_FOLDER})
add_custom_target(util_import_libraries
  DEPENDS ${UTIL_IMPORT_FOLDER}/libImporix.so ${UTIL_IMPORT_INVALID_FOLDER}/libImporix.so)
add_dependencies(util_import_tests util_import_libraries)
add_dependencies(util_import_invalid_library_tests util_import_libraries)
add_dependencies(util_import_missing_library_tests util_import_libraries)
