#include "app/progress.h"

#include <cstring>
#include <sstream>

#include "base/parse_int.h"
#include "base/platform.h"
#include "app/text_file.h"

namespace {
Progress s_Progress;
std::string s_Path;
bool s_Kept = false;  // whether this run keeps progress

void SaveProgress() {
    if (!WriteFileAtomically(s_Path, FormatProgress(s_Progress)))
        DebugLog(("progress: cannot write " + s_Path + "\n").c_str());
}

}  // namespace

bool ParseProgress(const std::string& text, const std::string& name, Progress& out, std::string& why) {
    out = Progress{};
    std::istringstream in(text);
    std::string line, key, value;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (IniLineSkipped(line, false)) continue;
        long long stage = 0, ms = 0;
        if (SplitIniLine(line, key, value) && key == "story" && ParseInt(value.c_str(), 1, kStageCount, stage)) {
            out.storyStage = int(stage);
            continue;
        }
        bool ok = SplitIniLine(line, key, value) && key.size() == 6 && key.compare(0, 5, "stage") == 0 &&
                  ParseInt(key.substr(5).c_str(), 1, kStageCount, stage) && ParseInt(value.c_str(), 0, kMaxClearMs, ms);
        if (!ok) {
            why = name + ":" + std::to_string(lineNo) + ": not 'stageN = best time in ms'";
            out = Progress{};
            return false;
        }
        out.stages[stage - 1] = StageRecord{true, uint32_t(ms)};
    }
    return true;
}

std::string FormatProgress(const Progress& p) {
    std::string t = "# Tolvane progress: stages cleared, best clear time in ms (written by the game)\n";
    for (int k = 0; k < kStageCount; ++k)
        if (p.stages[k].cleared) t += "stage" + std::to_string(k + 1) + " = " + std::to_string(p.stages[k].bestMs) + "\n";
    if (p.storyStage) t += "story = " + std::to_string(p.storyStage) + "\n";
    return t;
}

std::string DefaultProgressPath() { return XdgFilePath("XDG_DATA_HOME", ".local/share", "progress.ini"); }

void SetProgressPath(const std::string& path) {
    s_Path = path;
    s_Kept = !path.empty();
}

void LoadProgress() {
    s_Progress = Progress{};
    if (s_Path.empty()) return;
    std::string text, why;
    if (const char* err = ReadSmallTextFile(s_Path, text)) {
        if (std::strcmp(err, "no such file") != 0)
            DebugLog(("progress: " + s_Path + ": " + err + ", no progress used\n").c_str());
        return;
    }
    if (!ParseProgress(text, s_Path, s_Progress, why)) DebugLog(("progress: " + why + ", no progress used\n").c_str());
}

void NoteStageClear(int stage, uint32_t ms) {
    if (!s_Kept || stage < 1 || stage > kStageCount) return;
    StageRecord& r = s_Progress.stages[stage - 1];
    if (r.cleared && r.bestMs <= ms) return;
    r = StageRecord{true, ms < kMaxClearMs ? ms : kMaxClearMs};
    SaveProgress();
}

void NoteStoryStage(int stage) {
    if (!s_Kept || stage < 0 || stage > kStageCount || s_Progress.storyStage == stage) return;
    s_Progress.storyStage = stage;
    SaveProgress();
}

int StoryStage() { return s_Kept ? s_Progress.storyStage : 0; }

StageRecord StageProgress(int stage) {
    if (!s_Kept || stage < 1 || stage > kStageCount) return StageRecord{false, 0};
    return s_Progress.stages[stage - 1];
}
