// The stage select: the stages in story order, three to a page, each row
// drawn from its stage's record.
#pragma once
#include <cstdint>

#include "stage/stage.h"

// A best clear time as the stage select shows it: "1:23.4" (minutes,
// seconds, tenths). buf holds at least 16 bytes.
void FormatClearTime(uint32_t ms, char* buf);
extern int g_SelectPage;                      // 1..kSelectPages
extern int g_SelectArmed[kSelectRows];        // rows top to bottom
extern float g_ArrowBlinkPrev, g_ArrowBlinkNext;

// The stage select's scenes.
void Optioninit();
void Optionframe();
