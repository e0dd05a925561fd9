# Shared build rules of the project's own targets.

# Warnings are errors in our own code.
function(gb_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual -Wformat=2
    -Wundef -Wimplicit-fallthrough -Werror)
  # g++ 12 at -O3 (the Release build) reports overlapping copies inside
  # std::string that cannot happen, for plain code such as
  # "a" + std::to_string(i). Only that compiler and that build type leave the
  # warning out; every other build keeps it, as an error.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-restrict>)
  endif()
endfunction()

# A test program made of every *.cpp of the calling folder, registered with
# CTest under the given label. RECURSE takes the sub-folders too, except those
# named in EXCLUDE (folders that build programs of their own).
function(gb_test_suite name label)
  cmake_parse_arguments(ARG "RECURSE" "" "LIBS;EXCLUDE" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(dir IN LISTS ARG_EXCLUDE)
      list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${dir}/")
    endforeach()
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${sources})
  gb_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gb_test_support GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    GB_TEST_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
    GB_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  gb_discover_tests(${name} LABEL ${label})
endfunction()

# What the sanitizers do in the tests of a sanitized build: stop at the first
# fault, with the call stack of undefined behaviour, and (by default) report
# the memory a program leaves unfreed at its exit.
set(GB_SANITIZER_ENVIRONMENT
  ASAN_OPTIONS=halt_on_error=1
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1)
# A test that starts the web engine: the engine frees some of its own objects
# through a pointer of another type (a new-delete type mismatch whose frames
# all lie inside the engine's library) and leaves objects of its threads
# allocated at exit, so these checks are off for it. Everything else stays on.
set(GB_WEB_ENGINE_SANITIZER_ENVIRONMENT
  ASAN_OPTIONS=halt_on_error=1:new_delete_type_mismatch=0:detect_leaks=0
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1)

# Registers the GoogleTest cases of `target` with CTest under LABEL, each run
# with the variables of ENVIRONMENT and, in a sanitized build, the
# sanitizers' options. TEST_FILTER (a --gtest_filter pattern) takes some of
# the cases; WEB_ENGINE says they start the web engine.
function(gb_discover_tests target)
  cmake_parse_arguments(ARG "WEB_ENGINE" "LABEL;TEST_FILTER;TEST_PREFIX" "ENVIRONMENT" ${ARGN})
  get_property(count TARGET ${target} PROPERTY GB_DISCOVERED_SETS)
  math(EXPR count "${count} + 1")
  set_property(TARGET ${target} PROPERTY GB_DISCOVERED_SETS ${count})
  set(cases ${target}_SET${count}_TESTS)
  set(filter)
  if(ARG_TEST_FILTER)
    set(filter TEST_FILTER ${ARG_TEST_FILTER})
  endif()
  gtest_discover_tests(${target} ${filter}
    TEST_PREFIX "${ARG_TEST_PREFIX}"
    TEST_LIST ${cases}
    PROPERTIES LABELS ${ARG_LABEL}
    DISCOVERY_TIMEOUT 60)

  set(environment ${ARG_ENVIRONMENT})
  if(GB_SANITIZE AND ARG_WEB_ENGINE)
    list(APPEND environment ${GB_WEB_ENGINE_SANITIZER_ENVIRONMENT})
  elseif(GB_SANITIZE)
    list(APPEND environment ${GB_SANITIZER_ENVIRONMENT})
  endif()
  if(NOT environment)
    return()
  endif()
  # gtest_discover_tests hands on a property of several values as words of
  # their own, and CTest then keeps only the first: the environment is set
  # here instead, on the cases found, after CTest has read them.
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${cases}_environment.cmake)
  file(WRITE ${script}
    "if(NOT \"\${${cases}}\" STREQUAL \"\")\n"
    "  set_tests_properties(\${${cases}} PROPERTIES ENVIRONMENT [==[${environment}]==])\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
