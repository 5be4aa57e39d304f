// The stage select: nine stages in play order, three to a page.
#pragma once
#include <cstdint>

struct StageEntry {
    uint8_t initScene;
    int stage;
    float u0, v0;  // thumbnail cell in img/ステージ場面.png (0.25 x 0.1875)
    const char* red;
    const char* green;
    const char* blue;
    const char* stars;
    const char* title;    // Japanese
    const char* titleEn;  // English
};

extern const StageEntry kStageEntries[3][3];  // [page - 1][row]

// The count in an allowance text such as "R : 3" (0..4; anything else 0),
// shown beside the row's pot.
int PaintAllowance(const char* text);
// A best clear time as the stage select shows it: "1:23.4" (minutes,
// seconds, tenths). buf holds at least 16 bytes.
void FormatClearTime(uint32_t ms, char* buf);
extern int g_SelectPage;                      // 1..3
extern int g_SelectArmed[3];                  // rows top to bottom
extern float g_ArrowBlinkPrev, g_ArrowBlinkNext;
