// The select menu between the title and the stage select / help screens.
#pragma once
#include "stage/screen_layout.h"

struct MenuChoice {
    LayoutRect rect;  // bounds included
    int nextScene;
};

extern const MenuChoice kMenuChoices[2];  // stage select, help
extern int g_MenuArmed[2];                // pressed, waiting for the stroke

// The select menu's scenes.
void Selectinit();
void Selectinframe();
