// The title screen: start a new game, open the menu, or quit.
#pragma once
#include "stage/screen_layout.h"

extern int g_TitleAlpha;
extern int g_TitleShown;
extern int g_TitleArmed[3];  // start, menu, quit

using TitleButton = LayoutRect;  // bounds included
extern const TitleButton kTitleButtons[3];
// Go on with the story where it was left: shown when there is one.
extern const TitleButton kTitleContinue;
extern int g_TitleContinueArmed;

bool InButton(const TitleButton& b);
// The continue button's picture (img/continue.png) over rectangle b.
void DrawContinueButton(const TitleButton& b);
// What every new or continued game starts from: all stage events at their
// beginning, three lives, banners rewound, no paint.
void ResetForNewGame();

// The title's scenes.
void Startinit();
void Startframe();
