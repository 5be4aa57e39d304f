# The game's stages are the file pairs stageN.cpp (its script) and
# stageN_record.cpp (its record and grid) in src/stages, N = 1, 2, ...
# without a gap. tolvane_stage_list counts them and writes stage_list.h (the
# count and every stage's number), so a new stage is its two files and
# nothing more; what is wrong with the files, if anything, goes to error_var. (src/stages/*.cpp is globbed with CONFIGURE_DEPENDS for the
# game's sources, so a new pair makes the build configure again.)
set(TOLVANE_STAGE_LIST_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/stage_list.h.in)

function(tolvane_stage_list stages_dir out_file error_var)
  set(${error_var} "" PARENT_SCOPE)
  file(GLOB records ${stages_dir}/stage*_record.cpp)
  set(numbers)
  foreach(file ${records})
    get_filename_component(name ${file} NAME)
    if(name MATCHES "^stage([1-9][0-9]*)_record\\.cpp$")
      list(APPEND numbers ${CMAKE_MATCH_1})
    endif()
  endforeach()
  list(LENGTH numbers TOLVANE_STAGE_COUNT)
  if(TOLVANE_STAGE_COUNT EQUAL 0)
    set(${error_var} "No stage records (stageN_record.cpp) in ${stages_dir}." PARENT_SCOPE)
    return()
  endif()
  set(TOLVANE_EACH_STAGE "")
  foreach(k RANGE 1 ${TOLVANE_STAGE_COUNT})
    if(NOT k IN_LIST numbers)
      set(${error_var} "Stages are numbered 1..${TOLVANE_STAGE_COUNT} without a gap, but ${stages_dir}/stage${k}_record.cpp is missing." PARENT_SCOPE)
      return()
    endif()
    if(NOT EXISTS ${stages_dir}/stage${k}.cpp)
      set(${error_var} "${stages_dir}/stage${k}_record.cpp has no script stage${k}.cpp." PARENT_SCOPE)
      return()
    endif()
    string(APPEND TOLVANE_EACH_STAGE " X(${k})")
  endforeach()
  # Written only when it changes, so configuring again rebuilds nothing.
  configure_file(${TOLVANE_STAGE_LIST_TEMPLATE} ${out_file} @ONLY)
endfunction()
