# Shared build rules of the project's own targets.

# Warnings are errors in our own code.
function(gb_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual -Wformat=2
    -Wundef -Wimplicit-fallthrough -Werror)
endfunction()

# The *.cpp files of the calling folder and its sub-folders, leaving out the
# sub-folders that build test programs of their own (they hold a CMakeLists.txt).
function(gb_suite_sources out)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE own_lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(list_file IN LISTS own_lists)
    get_filename_component(own_folder ${list_file} DIRECTORY)
    list(FILTER sources EXCLUDE REGEX "^${own_folder}/")
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# A test program made of every *.cpp of the calling folder (with RECURSE, and of
# its sub-folders), registered with CTest under the given label.
function(gb_test_suite name label)
  cmake_parse_arguments(ARG "RECURSE" "" "LIBS" ${ARGN})
  if(ARG_RECURSE)
    gb_suite_sources(sources)
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
