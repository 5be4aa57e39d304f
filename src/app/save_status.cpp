#include "app/save_status.h"

#include <cstdio>

#include "app/progress.h"
#include "app/settings.h"
#include "base/language.h"
#include "gfx/gfx.h"

namespace {

constexpr uint32_t kRetryMs = 2000;
uint32_t s_LastTry = 0;
bool s_Tried = false;

struct KeptKind {
    const char* (*problem)();
    void (*retry)();
    std::string (*path)();
    const char* ja;
    const char* en;
};
const KeptKind kKinds[] = {
    {ProgressSaveProblem, RetryProgressSave, ProgressPath, "進行状況を保存できません", "progress could not be saved"},
    {SettingsSaveProblem, RetrySettingsSave, SettingsPath, "設定を保存できません", "settings could not be saved"},
};

}  // namespace

void RetryFailedSaves(uint32_t nowMs) {
    bool failing = false;
    for (const KeptKind& k : kKinds) failing = failing || k.problem();
    if (!failing) {
        s_Tried = false;
        return;
    }
    // The first failure starts the wait; unsigned difference: the clock may wrap.
    if (!s_Tried) {
        s_Tried = true;
        s_LastTry = nowMs;
        return;
    }
    if (nowMs - s_LastTry < kRetryMs) return;
    s_LastTry = nowMs;
    for (const KeptKind& k : kKinds)
        if (k.problem()) k.retry();
}

std::string SaveNoteText() {
    for (const KeptKind& k : kKinds)
        if (const char* why = k.problem()) return std::string(InLanguage(k.ja, k.en)) + ": " + why;
    return "";
}

void DrawSaveNote() {
    const std::string note = SaveNoteText();
    if (note.empty()) return;
    // The shell note's look (white on a dark band with a light rim), at
    // the top right: the panel below the stage stays in sight.
    const float width = float(TextWidth(note.c_str())), x0 = 630 - (28 + width);
    DrawSolidQuad(MakeQuad(x0, 10, 630, 52, 0, 0, 1, 1, 0xFFD8D8E0u));
    DrawSolidQuad(MakeQuad(x0 + 2, 12, 628, 50, 0, 0, 1, 1, 0xFF402020u));
    DrawString(note.c_str(), int(x0) + 14, 14, 0xFFFFFFFFu);
}

bool FinishSaves() {
    bool kept = true;
    for (const KeptKind& k : kKinds) {
        if (!k.problem()) continue;
        k.retry();
        if (const char* why = k.problem()) {
            std::fprintf(stderr, "tolvane: %s to %s: %s\n", k.en, k.path().c_str(), why);
            kept = false;
        }
    }
    return kept;
}
