# The install medium: `cmake --build <dir> --target medium` writes <dir>/medium/
# with Setup, the system services library it runs on, and the files of
# InstallFiles.txt under their stored names, compressed where the name ends in
# "_". Programs and libraries are shipped without their debugging information
# and find the services library beside themselves.
set(medium_dir ${CMAKE_BINARY_DIR}/medium)
set(stage_dir ${CMAKE_CURRENT_BINARY_DIR}/stage)
file(MAKE_DIRECTORY ${medium_dir} ${stage_dir})

set(data_files AucField.fee VizEvav.cta Demo.pro German.cta)
list(TRANSFORM data_files PREPEND ${stage_dir}/ OUTPUT_VARIABLE staged_data)
add_custom_command(OUTPUT ${staged_data}
  COMMAND gbtool make-data ${stage_dir}
  DEPENDS gbtool
  COMMENT "Writing the data files of the install medium")

# A program or library of the build, without debugging information.
function(gb_medium_stage_target target output)
  set_target_properties(${target} PROPERTIES BUILD_RPATH_USE_ORIGIN ON)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_STRIP} --strip-debug -o ${output} $<TARGET_FILE:${target}>
    DEPENDS ${target}
    COMMENT "Staging ${target} for the install medium")
endfunction()

set(medium_outputs "")
foreach(line IN LISTS install_lines)
  string(STRIP "${line}" line)
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(GET fields 0 stored)
  list(GET fields 1 expanded)
  list(GET fields 2 installed)
  list(GET fields 4 source)
  string(REGEX MATCH "^([a-z]+):(.*)$" matched "${source}")
  set(kind ${CMAKE_MATCH_1})
  set(origin ${CMAKE_MATCH_2})
  set(input ${stage_dir}/${installed})
  if(kind STREQUAL "target")
    # Every deliverable is configured before setup/, so each target exists.
    if(NOT TARGET ${origin})
      message(FATAL_ERROR "InstallFiles.txt: ${stored} is made from the target ${origin}, "
                          "which is not part of this build")
    endif()
    gb_medium_stage_target(${origin} ${input})
  elseif(kind STREQUAL "file")
    set(input ${CMAKE_SOURCE_DIR}/${origin})
    if(NOT EXISTS ${input})
      message(FATAL_ERROR "InstallFiles.txt: ${stored} is made from ${origin}, which is missing")
    endif()
  elseif(kind STREQUAL "data")
    set(input ${stage_dir}/${origin})
    if(NOT origin IN_LIST data_files)
      message(FATAL_ERROR "InstallFiles.txt: gbtool make-data does not write ${origin}")
    endif()
  else()
    message(FATAL_ERROR "InstallFiles.txt: ${stored}: unknown origin \"${source}\"")
  endif()

  set(output ${medium_dir}/${stored})
  if(stored MATCHES "_$")
    add_custom_command(OUTPUT ${output}
      COMMAND gbcompress ${input} ${output} ${expanded}
      DEPENDS gbcompress ${input}
      COMMENT "Compressing ${stored}")
  else()
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E copy ${input} ${output}
      DEPENDS ${input})
  endif()
  list(APPEND medium_outputs ${output})
endforeach()

gb_medium_stage_target(Setup ${medium_dir}/Setup)
list(APPEND medium_outputs ${medium_dir}/Setup)

# Part of the whole build, so the tests always find a medium to install from.
add_custom_target(medium ALL DEPENDS ${medium_outputs})
