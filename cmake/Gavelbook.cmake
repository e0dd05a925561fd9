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
# CTest under the given label. With RECURSIVE the sub-folders' files belong to
# it too, except those of the sub-folders named in EXCLUDE (test programs of
# their own).
function(gb_test_suite name label)
  cmake_parse_arguments(ARG "RECURSIVE" "" "LIBS;EXCLUDE" ${ARGN})
  if(ARG_RECURSIVE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(folder IN LISTS ARG_EXCLUDE)
      list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${folder}/")
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
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${label}
    DISCOVERY_TIMEOUT 60)
endfunction()
