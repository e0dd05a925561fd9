# Shared build rules of the project's own targets.

# Warnings are errors in our own code.
function(gb_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual -Wformat=2
    -Wundef -Wimplicit-fallthrough -Werror)
endfunction()

# A test program made of every *.cpp of the calling folder, registered with
# CTest under the given label. With RECURSE, the folders below it count too,
# except qt/, which holds the widget tests' own program.
function(gb_test_suite name label)
  cmake_parse_arguments(ARG "RECURSE" "" "LIBS" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/qt/")
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
