// Every dialogue of the game with its init scene, from the build's list of
// dialogue files.
#pragma once
#include "app/scenes.h"
#include "talk/talk.h"

// kTalk0, kTalk01, ...: one per dialogue file.
#define TOLVANE_TALK_RECORD(N, S) extern const TalkScene kTalk##N;
TOLVANE_EACH_TALK(TOLVANE_TALK_RECORD)
#undef TOLVANE_TALK_RECORD

struct TalkPlay {
    int scene;  // its init scene; the frame scene is the next number
    const TalkScene* talk;
};
// In the order of their tags.
extern const TalkPlay kTalks[kTalkCount];

// The dialogue whose init or frame scene is sceneNo, or nullptr.
const TalkScene* FindTalkScene(int sceneNo);
bool IsTalkScene(int sceneNo);
