# One way to declare every library, program and test of the project.
#
#   kelvo_add_library(NAME SOURCES ... [DEPS ...])   -> target kelvo_NAME, alias kelvo::NAME
#   kelvo_add_program(NAME SOURCES ... [DEPS ...])   -> executable NAME
#   kelvo_add_test(NAME SOURCES ... [DEPS ...])      -> GoogleTest executable registered with CTest
#   kelvo_add_qt_test(NAME SOURCES ... [DEPS ...])   -> QtTest executable registered with CTest, run
#                                                       offscreen (no display needed)
#   kelvo_add_fuzzer(NAME SOURCES ... [DEPS ...] [OPTIONS ...])
#                                                    -> with KELVO_FUZZ only: libFuzzer executable NAME
#                                                       in <build>/fuzzers, part of target kelvo_fuzzers;
#                                                       a test labelled "fuzz" runs it KELVO_FUZZ_SECONDS
#                                                       with its libFuzzer OPTIONS (-max_len=...)
#
# Headers are included from the repository root ("util/text/zt_string.h").

find_package(GTest REQUIRED)
include(GoogleTest)
# Found once here, so that every folder sees the same Qt targets.
find_package(Qt6 REQUIRED COMPONENTS Widgets Gui Test Xml)

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
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${KELVO_PROGRAM_FOLDER})
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

function(kelvo_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  # As kelvo_add_test: a private registry and scratch folder; no display, Qt draws offscreen.
  set(environment
    "QT_QPA_PLATFORM=offscreen"
    "KELVO_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/${name}.registry"
    "KELVO_TEST_SCRATCH=${CMAKE_CURRENT_BINARY_DIR}/${name}.scratch")
  if(KELVO_SANITIZE)
    # Qt and fontconfig keep caches for the life of the process; only their leaks are forgiven.
    list(APPEND environment "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan-qt.supp")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

if(KELVO_FUZZ)
  add_custom_target(kelvo_fuzzers)
endif()

function(kelvo_add_fuzzer name)
  if(NOT KELVO_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;OPTIONS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzzers)
  add_dependencies(kelvo_fuzzers ${name})
  # The corpus grows from run to run; a failing input is kept beside it.
  set(corpus ${PROJECT_BINARY_DIR}/fuzzers/${name}.corpus)
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${name}
    COMMAND ${name} -max_total_time=${KELVO_FUZZ_SECONDS} -artifact_prefix=${PROJECT_BINARY_DIR}/fuzzers/${name}-
            ${ARG_OPTIONS} ${corpus})
  set_tests_properties(${name} PROPERTIES LABELS fuzz
    ENVIRONMENT "KELVO_REGISTRY=${CMAKE_CURRENT_BINARY_DIR}/${name}.registry")
endfunction()
