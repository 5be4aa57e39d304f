# cmake -DWORK=<folder> -P stage_list.cmake: the build's lists of stages and
# of dialogues.
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/stage_list.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/talk_list.cmake)

# Lays out the files named (and a few beside them that the list must pass
# over), lists them with `lister` as the build does, and fails unless the
# error, else the header, holds `want`.
function(expect lister want)
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  foreach(name ${ARGN} stage0_record.cpp stage_old_record.cpp talk_table.cpp talk_kit.h talk-old.cpp)
    file(TOUCH ${WORK}/${name})
  endforeach()
  cmake_language(CALL ${lister} ${WORK} ${WORK}/list.h error)
  if(NOT error)
    file(READ ${WORK}/list.h error)
  endif()
  string(FIND "${error}" "${want}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "wanted '${want}', got:\n${error}")
  endif()
endfunction()

set(files)
foreach(k RANGE 1 11)
  list(APPEND files stage${k}.cpp stage${k}_record.cpp)
endforeach()
expect(tolvane_stage_list "kStageCount = 11;\n#define TOLVANE_EACH_STAGE(X) X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11)\n" ${files})
list(REMOVE_ITEM files stage3_record.cpp)
expect(tolvane_stage_list "1..10 without a gap, but ${WORK}/stage3_record.cpp is missing." ${files})
list(APPEND files stage3_record.cpp)
list(REMOVE_ITEM files stage7.cpp)
expect(tolvane_stage_list "stage7_record.cpp has no script stage7.cpp." ${files})

# The story's dialogues keep their scenes (tag 9 is not scene 9); the others
# follow the stages' in tag order.
expect(tolvane_talk_list "kTalkCount = 5;\nconstexpr int kLaterTalkCount = 2;\n#define TOLVANE_EACH_TALK(X) X(0, 9) X(01, 49) X(9, 53) X(Owl, kLaterTalkScenes + 0) X(Well, kLaterTalkScenes + 2)\n"
  talk0.cpp talk01.cpp talk9.cpp talkWell.cpp talkOwl.cpp)
expect(tolvane_talk_list "No dialogues (talkX.cpp) in ${WORK}.")
