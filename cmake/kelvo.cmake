# One way to declare every library, program and test of the project.
#
#   kelvo_add_library(NAME SOURCES ... [DEPS ...])   -> target kelvo_NAME, alias kelvo::NAME
#   kelvo_add_program(NAME SOURCES ... [DEPS ...])   -> executable NAME
#   kelvo_add_test(NAME SOURCES ... [DEPS ...])      -> GoogleTest executable registered with CTest
#
# Headers are included from the repository root ("util/text/zt_string.h").

find_package(GTest REQUIRED)
include(GoogleTest)

function(kelvo_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(kelvo_${name} STATIC ${ARG_SOURCES})
  add_library(kelvo::${name} ALIAS kelvo_${name})
  target_include_directories(kelvo_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(kelvo_${name} PUBLIC ${ARG_DEPS})
endfunction()

function(kelvo_add_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
endfunction()

function(kelvo_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  # Every test gets a private registry and scratch folder so that no test touches the user's store.
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "KELVO_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/${name}.registry;KELVO_TEST_SCRATCH=${CMAKE_CURRENT_BINARY_DIR}/${name}.scratch"
    DISCOVERY_TIMEOUT 60)
endfunction()
