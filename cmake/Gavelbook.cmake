# Shared build rules of the project's own targets.

# Warnings are errors in our own code.
function(gb_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual -Wformat=2
    -Wundef -Wimplicit-fallthrough -Werror)
endfunction()

# A test program made of every *.cpp of the calling folder, registered with
# CTest under the given label. RECURSIVE takes in the subfolders too, except
# those named qt/ (the widget tests are a program of their own).
function(gb_test_suite name label)
  cmake_parse_arguments(ARG "RECURSIVE" "" "LIBS" ${ARGN})
  if(ARG_RECURSIVE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "${CMAKE_CURRENT_SOURCE_DIR}/(.*/)?qt/")
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${sources})
  gb_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    GB_TEST_FIXTURES="${CMAKE_CURRENT_SOURCE_DIR}/fixtures"
    GB_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${label}
    DISCOVERY_TIMEOUT 60)
endfunction()
