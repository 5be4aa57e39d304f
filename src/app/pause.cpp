#include "app/pause.h"

#include "app/shell_keys.h"
#include "base/language.h"
#include "base/platform.h"
#include "gfx/gfx.h"

namespace {
bool s_Paused = false;
bool s_KeyCard = false;

// Every key and gamepad button the game knows, in both languages.
struct KeyLine {
    const char* keysJa;
    const char* keysEn;
    const char* actionJa;
    const char* actionEn;
};
const KeyLine kKeyLines[] = {
    {"マウス・スティック", "Mouse, stick, pad", "ブラシを動かす", "Move the brush"},
    {"左クリック・Ａ", "Left click, A", "えのぐ・ぬる・えらぶ", "Pick up paint, paint, choose"},
    {"右クリック・Ｂ", "Right click, B", "メニューからタイトルへ", "Menus: back to the title"},
    {"Ｓｐａｃｅ・Ｘ", "Space, X", "とばす・会話を進める", "Skip; next line of a talk"},
    {"Ｅｎｔｅｒ", "Enter", "先へ・ゲームオーバーから続き", "Go on; game over: continue"},
    {"Ｆ１・Ｂａｃｋ", "F1, Back", "タイトルへもどる", "Back to the title"},
    {"Ｐ・Ｓｔａｒｔ", "P, Start", "一時停止・再開", "Pause and resume"},
    {"Ｆ２・？", "F2, ?", "このキー一覧", "This key card"},
    {"Ｆ１１・Ａｌｔ＋Ｅｎｔｅｒ", "F11, Alt+Enter", "全画面・ウインドウ", "Full screen or window"},
    {"Ｍ・−・＋", "M, -, +", "消音・音楽の音量", "Mute, music volume"},
    {"Ｇ", "G", "ゲームの速さ（５０％まで）", "Game speed (down to 50 %)"},
    {"Ｓｐａｃｅ・右・１・２・４", "Space, Right, 1, 2, 4", "リプレイ：停止・コマ送り・倍速", "Replay: pause, step, 1x 2x 4x"},
    {"Ｅｓｃ", "Esc", "ゲームを終わる", "Quit the game"},
};
constexpr int kKeyLineCount = int(sizeof kKeyLines / sizeof kKeyLines[0]);

constexpr uint32_t kDim = 0x99101018u;      // over the whole picture
constexpr uint32_t kCardRim = 0xFF2B2233u;  // the game's outline ink
constexpr uint32_t kCardFill = 0xF0F6EEDCu; // the cream of the talk window
constexpr uint32_t kCardInk = 0xFF2B2233u;
constexpr uint32_t kCardHint = 0xFF6A5A48u;
constexpr int kLineH = 31;

void DrawCard(int x0, int y0, int x1, int y1) {
    DrawSolidQuad(MakeQuad(float(x0 - 3), float(y0 - 3), float(x1 + 3), float(y1 + 3), 0, 0, 1, 1, kCardRim));
    DrawSolidQuad(MakeQuad(float(x0), float(y0), float(x1), float(y1), 0, 0, 1, 1, kCardFill));
}

void DrawCentred(const char* text, int y, uint32_t argb) { DrawString(text, (kScreenW - TextWidth(text)) / 2, y, argb); }

void DrawPauseCard(bool focusLost) {

    const int h = focusLost ? 80 : 120;
    const int y0 = (kScreenH - h) / 2;
    DrawCard(190, y0, 450, y0 + h);
    DrawCentred(InLanguage("一時停止", "Paused"), y0 + 22, kCardInk);
    if (!focusLost)
        DrawCentred(g_Finger ? InLanguage("タップでつづける", "Tap to carry on") : InLanguage("Ｐでつづける", "Press P to carry on"),
                    y0 + 22 + kLineH + 6, kCardHint);
}

const char* KeyCardKeys(int line) { return InLanguage(kKeyLines[line].keysJa, kKeyLines[line].keysEn); }
const char* KeyCardAction(int line) { return InLanguage(kKeyLines[line].actionJa, kKeyLines[line].actionEn); }

void DrawKeyCard() {
    const int top = 14;
    DrawCard(16, top, kScreenW - 16, top + 12 + kLineH * (kKeyLineCount + 1));
    DrawCentred(InLanguage("キーとボタン", "Keys and buttons"), top + 6, kCardInk);
    for (int i = 0; i < kKeyLineCount; ++i) {
        const int y = top + 6 + kLineH * (i + 1);
        DrawString(KeyCardKeys(i), 30, y, kCardInk);
        DrawString(KeyCardAction(i), 300, y, kCardHint);
    }
}
}  // namespace

void TogglePause() { s_Paused = !s_Paused; }
void ToggleKeyCard() { s_KeyCard = !s_KeyCard; }
bool PausedByPlayer() { return s_Paused || s_KeyCard; }
bool KeyCardShown() { return s_KeyCard; }
void ResetPause() { s_Paused = s_KeyCard = false; }

namespace {
void DrawDimmedKeptFrame() {
    ClearFrame(0xFF000000u);
    DrawKeptFrame();
    DrawSolidQuad(MakeQuad(0, 0, float(kScreenW), float(kScreenH), 0, 0, 1, 1, kDim));
}
}  // namespace

void DrawPausedFrame(bool focusLost) {
    DrawDimmedKeptFrame();
    if (s_KeyCard)
        DrawKeyCard();
    else
        DrawPauseCard(focusLost && !s_Paused);
    DrawShellNote();
}

void DrawLoadingFrame() {
    DrawDimmedKeptFrame();
    const int y0 = (kScreenH - 80) / 2;
    DrawCard(220, y0, 420, y0 + 80);
    DrawCentred(InLanguage("よみこみ中…", "Loading…"), y0 + 22, kCardInk);
    DrawShellNote();
}
