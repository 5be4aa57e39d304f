#include "stage/stage_state.h"

int g_Lives = 3;
int g_StageRunning = 0;
int g_StageCleared = 0;
int g_ClearBannerFlag = 0;
int g_StartBannerReset = 0;
int g_ScriptReset = 0;
int g_ResetPictureRequest = 0;
int g_TimeUpRequest = 0;
int g_TimeOutPenalty = 0;
int g_TimerPaused = 0;
float g_StripSpeed = 0.0f;

PaintColour g_SelectedPaint = kPaintNone;
PaintColour g_BrushPaint = kPaintNone;
int g_PaintR = 0, g_PaintG = 0, g_PaintB = 0;
float g_DigitPos[3][2] = {};

Walker g_Hero = {};
Walker g_Partner = {};
PaintColour g_HeroPaint = kPaintNone;
PaintColour g_PartnerPaint = kPaintNone;
int g_HeroPose = 0;
int g_PartnerPose = 0;

// Opaque white, z 0, rhw 1; the steps write positions, the paint code the
// texture coordinates.
Quad g_HeroQuad = kWhiteQuad;
Quad g_PartnerQuad = kWhiteQuad;

int g_HeroArrived = 0;
int g_PartnerArrived = 0;
