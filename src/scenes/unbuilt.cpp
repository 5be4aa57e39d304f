// Scenes whose screens are not built yet: each init moves on to its frame,
// and the frame draws nothing. Entries leave this file as they are built.
#include "app/scenes.h"

void Startinit() { g_FrameNo = 8; }
void Startframe() {}
void Talk0Init() { g_FrameNo = 10; }
void Talk0Frame() {}
void Talk1Init() { g_FrameNo = 14; }
void Talk1Frame() {}
void Talk2Init() { g_FrameNo = 18; }
void Talk2Frame() {}
void Talk3Init() { g_FrameNo = 22; }
void Talk3Frame() {}
void Talk4Init() { g_FrameNo = 26; }
void Talk4Frame() {}
void Talk5Init() { g_FrameNo = 30; }
void Talk5Frame() {}
void Talk6Init() { g_FrameNo = 34; }
void Talk6Frame() {}
void Talk7Init() { g_FrameNo = 38; }
void Talk7Frame() {}
void Talk8Init() { g_FrameNo = 42; }
void Talk8Frame() {}
void Optioninit() { g_FrameNo = 46; }
void Optionframe() {}
void Gameoverinit() { g_FrameNo = 48; }
void Gameoverframe() {}
void Talk01Init() { g_FrameNo = 50; }
void Talk01Frame() {}
void Talk02Init() { g_FrameNo = 52; }
void Talk02Frame() {}
void Talk9Init() { g_FrameNo = 54; }
void Talk9Frame() {}
void Talk03Init() { g_FrameNo = 56; }
void Talk03Frame() {}
void EndInit() { g_FrameNo = 58; }
void EndFrame() {}
void HelpInit() { g_FrameNo = 60; }
void HelpFrame() {}
void Selectinit() { g_FrameNo = 62; }
void Selectinframe() {}
void End2Init() { g_FrameNo = 64; }
void End2Frame() {}
