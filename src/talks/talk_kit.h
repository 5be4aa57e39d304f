// What a dialogue's file (src/talks/talkX.cpp) writes with: the speakers'
// texts, the story's sound effects, and the scene names its `next` uses.
#pragma once
#include "app/scenes.h"
#include "gfx/picture_files.h"
#include "sound/sound_slots.h"
#include "talk/talk.h"
#include "talks/talk_table.h"

// Each text in Japanese, then in English: at a y and colour of its own, lit
// (a bright colour inside a dark rim), or one speaker's, on one line or
// (the "2" forms) two.
constexpr TalkText At(int y, uint32_t colour, const char* ja, const char* en) { return {y, colour, ja, en}; }
constexpr TalkText Lit(uint32_t colour, const char* ja, const char* en) { return {300, colour, ja, en, kBrightWordRim}; }
constexpr TalkText Hero(const char* ja, const char* en) { return {300, kHeroColour, ja, en}; }
constexpr TalkText Hero2(const char* ja, const char* en) { return {290, kHeroColour, ja, en}; }
constexpr TalkText God(const char* ja, const char* en) { return {300, kGodColour, ja, en}; }
constexpr TalkText God2(const char* ja, const char* en) { return {290, kGodColour, ja, en}; }
constexpr TalkText Companion(const char* ja, const char* en) { return {300, kCompanionColour, ja, en}; }
constexpr TalkText Companion2(const char* ja, const char* en) { return {290, kCompanionColour, ja, en}; }
constexpr TalkText Narration(const char* ja, const char* en) { return {300, kNarrationColour, ja, en}; }
constexpr TalkText Chief(const char* ja, const char* en) { return {300, kChiefColour, ja, en}; }

// The story's effects, in slot order.
inline constexpr TalkSound kStoryEffects[] = {
    {kSoundGod, "wav/god.wav"},         {kSoundFanfare, "wav/zyaran!.wav"}, {kSoundPowerUp, "wav/tame.wav"},
    {kSoundBlip, "wav/kyupin.wav"},     {kSoundBoom, "wav/Bom.wav"},        {kSoundNubbleSong, "wav/nubble.wav"},
    {kSoundQuizQuestion, "wav/quiz2.wav"}, {kSoundCrow, "wav/Crow.wav"},    {kSoundSlap, "wav/harisen.wav"},
    {kSoundQuizThink, "wav/quiz1.wav"}, {kSoundTaDa, "wav/zyan.wav"},       {kSoundSpooky, "wav/ELR.wav"},
    {kSoundShock, "wav/!!!.wav"},       {kSoundSparkle, "wav/syaran.wav"},  {kSoundDing, "wav/10.wav"},
    {kSoundGet, "wav/get.wav"},         {kSoundWow, "wav/Wow.wav"},         {kSoundRoar, "wav/GAO.wav"},
};
// The first `count` of them (the early dialogues load 14 or 15).
constexpr TalkList<TalkSound> StoryEffects(int count) { return {kStoryEffects, count}; }
