// Scenes whose screens are not built yet: each init moves on to its frame,
// and the frame draws nothing. Entries leave this file as they are built.
#include "app/scenes.h"

void Optioninit() { g_FrameNo = 46; }
void Optionframe() {}
void Gameoverinit() { g_FrameNo = 48; }
void Gameoverframe() {}
void EndInit() { g_FrameNo = 58; }
void EndFrame() {}
void HelpInit() { g_FrameNo = 60; }
void HelpFrame() {}
void Selectinit() { g_FrameNo = 62; }
void Selectinframe() {}
void End2Init() { g_FrameNo = 64; }
void End2Frame() {}
