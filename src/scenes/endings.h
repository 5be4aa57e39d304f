// The endings: a column of pictures rising to the closing logo, then one
// last picture before the title.
#pragma once
#include <cstdint>

extern float g_EndScrollY[5];    // top y of end0, end1, end2, end0, logo
extern uint32_t g_EndScrollTime;
extern int g_EndRestTicks;       // ticks since the logo reached the top
extern int g_End2Ticks;          // ticks shown by the second ending

// The endings' scenes: the rising column, then the last picture.
void EndInit();
void EndFrame();
void End2Init();
void End2Frame();
