# The game's dialogues are the files talkX.cpp in src/talks, X a tag of
# letters and digits (talk0.cpp, talk01.cpp, talkWell.cpp), each defining
# the record kTalkX. tolvane_talk_list lists them and writes talk_list.h:
# their count and X(tag, init scene) for each, so a new dialogue is its file
# and nothing more; what is wrong with the files, if anything, goes to
# error_var. (src/talks/*.cpp is globbed with CONFIGURE_DEPENDS for the
# game's sources, so a new file makes the build configure again.)
#
# The story's thirteen dialogues keep the scene numbers they have always had
# (replays and traces name them). Any other dialogue takes two numbers after
# the stages', in tag order (kLaterTalkScenes in src/app/scenes.h).
set(TOLVANE_TALK_LIST_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/talk_list.h.in)
set(TOLVANE_STORY_TALK_SCENES
  0=9 1=13 2=17 3=21 4=25 5=29 6=33 7=37 8=41 01=49 02=51 9=53 03=55)

function(tolvane_talk_list talks_dir out_file error_var)
  set(${error_var} "" PARENT_SCOPE)
  file(GLOB files RELATIVE ${talks_dir} ${talks_dir}/talk*.cpp)
  list(SORT files)
  set(TOLVANE_EACH_TALK "")
  set(TOLVANE_TALK_COUNT 0)
  set(TOLVANE_LATER_TALK_COUNT 0)
  foreach(name ${files})
    if(NOT name MATCHES "^talk([0-9A-Za-z]+)\\.cpp$")
      continue()  # the kit and the table: talk_kit.h, talk_table.cpp
    endif()
    set(tag ${CMAKE_MATCH_1})
    set(scene "")
    foreach(story ${TOLVANE_STORY_TALK_SCENES})
      if(story MATCHES "^${tag}=([0-9]+)$")
        set(scene ${CMAKE_MATCH_1})
      endif()
    endforeach()
    if(scene STREQUAL "")
      math(EXPR offset "2 * ${TOLVANE_LATER_TALK_COUNT}")
      set(scene "kLaterTalkScenes + ${offset}")
      math(EXPR TOLVANE_LATER_TALK_COUNT "${TOLVANE_LATER_TALK_COUNT} + 1")
    endif()
    string(APPEND TOLVANE_EACH_TALK " X(${tag}, ${scene})")
    math(EXPR TOLVANE_TALK_COUNT "${TOLVANE_TALK_COUNT} + 1")
  endforeach()
  if(TOLVANE_TALK_COUNT EQUAL 0)
    set(${error_var} "No dialogues (talkX.cpp) in ${talks_dir}." PARENT_SCOPE)
    return()
  endif()
  # Written only when it changes, so configuring again rebuilds nothing.
  configure_file(${TOLVANE_TALK_LIST_TEMPLATE} ${out_file} @ONLY)
endfunction()
