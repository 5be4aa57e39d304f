// The opening: maker logo, game logo, footprints and the captioned prologue.
#pragma once

extern int g_LogoAlpha;
extern int g_LogoFadeOut;
extern int g_LogoHold;
extern int g_FootprintCount;
extern float g_ScrollX;
extern int g_CaptionNo;
extern float g_FaceX;
extern unsigned g_ScrollTime, g_CaptionTime, g_FaceTime;

struct PrologueCaption {
    int x, y;
    unsigned colour;
    const char* text;  // Japanese
    const char* en;    // English
};
extern const PrologueCaption kPrologueCaptions[13];

// The opening's scenes: maker logo, game logo (two parts), prologue.
void Veskinit();
void Veskframe();
void Logoinit();
void Logoframe();
void Logoframe2();
void PrologueInit();
void Prologueframe();
