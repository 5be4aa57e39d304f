// State that the stage engine, the HUD, the stage scripts and the front-end
// scenes share. Lives for the whole run; each stage init sets what it needs.
// Flags are ints that hold 0 or 1. (g_FromSelect lives with the scene
// machine, in app/scenes.h.)
#pragma once
#include "gfx/gfx.h"
#include "stage/walker.h"

// Paint a walker wears or the brush holds. Stage events may store other
// values (a trapped walker gets 4), so this stays a plain int.
using PaintColour = int;
constexpr PaintColour kPaintNone = 0;
constexpr PaintColour kPaintRed = 1;    // fire
constexpr PaintColour kPaintGreen = 2;  // wind
constexpr PaintColour kPaintBlue = 3;   // water

extern int g_Lives;                  // lives left; 3 at program start
extern int g_StageRunning;           // 0 while the start banner plays
extern int g_StageCleared;           // the stage's goal is met
extern int g_ClearBannerFlag;        // clear banner ended / its reset request
extern int g_StartBannerReset;       // start banner's reset request
extern int g_ScriptReset;            // scripts rewind their state while 1
extern int g_ResetPictureRequest;    // reset accepted: show picture, restart
extern int g_TimeUpRequest;          // time out: show picture, restart
extern int g_TimeOutPenalty;         // lives a time-out still takes (1, then 0)
extern int g_TimerPaused;            // the time strip stands still while 1
extern float g_StripSpeed;           // time strip pixels per tick

extern PaintColour g_SelectedPaint;  // taken from a pot; 0 when none is held
extern PaintColour g_BrushPaint;     // the brush's copy, taken every tick
extern int g_PaintR, g_PaintG, g_PaintB;  // paints of each colour left
extern float g_DigitPos[3][2];       // top-left (x, y) of the R, G, B digits

extern Walker g_Hero, g_Partner;
// Set by the stages whose goal is the two walkers meeting; their inits clear them.
extern int g_HeroArrived, g_PartnerArrived;
extern PaintColour g_HeroPaint, g_PartnerPaint;
extern int g_HeroPose, g_PartnerPose;  // 0 walk cycle, 2 row 13 held
extern Quad g_HeroQuad, g_PartnerQuad; // walker sprites, from char.move
