// The title screen: start a new game, open the menu, or quit.
#pragma once

extern int g_TitleAlpha;
extern int g_TitleShown;
extern int g_TitleArmed[3];  // start, menu, quit

struct TitleButton {
    float x0, y0, x1, y1;
};
extern const TitleButton kTitleButtons[3];

// The title's scenes.
void Startinit();
void Startframe();
