// Every dialogue by its scene; the build lists them from their files.
#include "talks/talk_table.h"

#define TOLVANE_TALK_PLAY(N, S) {S, &kTalk##N},
const TalkPlay kTalks[kTalkCount] = {TOLVANE_EACH_TALK(TOLVANE_TALK_PLAY)};
#undef TOLVANE_TALK_PLAY

const TalkScene* FindTalkScene(int sceneNo) {
    for (const TalkPlay& t : kTalks)
        if (sceneNo == t.scene || sceneNo == t.scene + 1) return t.talk;
    return nullptr;
}

bool IsTalkScene(int sceneNo) { return FindTalkScene(sceneNo) != nullptr; }
