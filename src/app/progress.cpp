#include "app/progress.h"

#include <cstring>
#include <sstream>

#include "base/parse_int.h"
#include "base/platform.h"
#include "app/text_file.h"

namespace {
Progress s_Progress;
std::string s_Path;
bool s_Kept = false;     // whether this run keeps progress
bool s_StoryChanged = false;  // this run moved the story since its last write
// Saves asked for, and the count a write merged: a write that completes
// after a newer save leaves the story's move for the next one.
unsigned s_Saves = 0, s_SavesMerged = 0;
std::string s_Problem;  // why the last write failed; empty when it did not

void LogLine(const std::string& text) { DebugLog((text + "\n").c_str()); }

// One log line per skipped line of the file.
void LogComplaints(const std::string& complaints) {
    std::istringstream in(complaints);
    for (std::string line; std::getline(in, line);) LogLine("progress: " + line);
}

// Another game's file taken in: its clears, and where its story stands
// unless this run moved the story since its last write (the latest word
// wins, as for a setting).
void TakeFile(const Progress& file) {
    MergeProgress(s_Progress, file);
    if (!s_StoryChanged) s_Progress.storyStage = file.storyStage;
}

// The file as another game may have left it, merged with this run's clears.
std::string MergeWithFile(const std::string& now, const std::string& name, bool& unreadable) {
    Progress file;
    std::string complaints;
    int read = ParseProgress(now, name, file, complaints);
    LogComplaints(complaints);
    if (read == 0 && !complaints.empty()) unreadable = true;
    TakeFile(file);
    s_SavesMerged = s_Saves;
    return FormatProgress(s_Progress);
}

void Written(const char* why) {
    if (KeepWriteOutcome(why, "progress", s_Path, s_Problem) && s_SavesMerged == s_Saves) s_StoryChanged = false;
}

void SaveProgress() {
    ++s_Saves;
    UpdateKeptFile(s_Path, MergeWithFile, Written);
}

// Another game stored the file (a second tab of the page).
void TakeStoredProgress() {
    std::string text, complaints;
    if (ReadSmallTextFile(s_Path, text)) return;
    Progress file;
    ParseProgress(text, s_Path, file, complaints);
    TakeFile(file);
}

}  // namespace

int ParseProgress(const std::string& text, const std::string& name, Progress& out, std::string& complaints) {
    out = Progress{};
    std::istringstream in(text);
    std::string line, key, value;
    int lineNo = 0, read = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (IniLineSkipped(line)) continue;
        long long stage = 0, ms = 0;
        if (SplitIniLine(line, key, value) && key == "story" && ParseInt(value.c_str(), 1, kStageCount, stage)) {
            out.storyStage = int(stage);  // the last line says it
            ++read;
            continue;
        }
        // "stage" and the stage's number in digits, however many stages there are.
        bool ok = SplitIniLine(line, key, value) && key.size() > 5 && key.compare(0, 5, "stage") == 0 &&
                  key.find_first_not_of("0123456789", 5) == std::string::npos &&
                  ParseInt(key.substr(5).c_str(), 1, kStageCount, stage) && ParseInt(value.c_str(), 0, kMaxClearMs, ms);
        if (!ok) {
            complaints += name + ":" + std::to_string(lineNo) + ": not 'stageN = best time in ms', line ignored\n";
            continue;
        }
        ++read;
        StageRecord& r = out.stages[stage - 1];
        if (!r.cleared || uint32_t(ms) < r.bestMs) r = StageRecord{true, uint32_t(ms)};
    }
    return read;
}

void MergeProgress(Progress& into, const Progress& from) {
    for (int k = 0; k < kStageCount; ++k) {
        const StageRecord& f = from.stages[k];
        StageRecord& r = into.stages[k];
        if (f.cleared && (!r.cleared || f.bestMs < r.bestMs)) r = f;
    }
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
    s_StoryChanged = false;
    s_Saves = s_SavesMerged = 0;
    s_Problem.clear();
    if (s_Kept) WatchKeptFile(path, TakeStoredProgress);
}

void LoadProgress() {
    s_Progress = Progress{};
    if (s_Path.empty()) return;
    std::string text, complaints;
    if (const char* err = ReadSmallTextFile(s_Path, text)) {
        if (std::strcmp(err, "no such file") != 0) LogLine("progress: " + s_Path + ": " + err + ", no progress used");
        return;
    }
    ParseProgress(text, s_Path, s_Progress, complaints);
    LogComplaints(complaints);
}

void NoteStageClear(int stage, uint32_t ms) {
    if (!s_Kept || stage < 1 || stage > kStageCount) return;
    StageRecord& r = s_Progress.stages[stage - 1];
    bool better = !r.cleared || ms < r.bestMs;
    if (better) r = StageRecord{true, ms < kMaxClearMs ? ms : kMaxClearMs};
    if (better || !s_Problem.empty()) SaveProgress();
}

void NoteStoryStage(int stage) {
    if (!s_Kept || stage < 0 || stage > kStageCount || (s_Progress.storyStage == stage && s_Problem.empty())) return;
    s_Progress.storyStage = stage;
    s_StoryChanged = true;
    SaveProgress();
}

const char* ProgressSaveProblem() { return s_Problem.empty() ? nullptr : s_Problem.c_str(); }
std::string ProgressPath() { return s_Path; }
void RetryProgressSave() {
    if (s_Kept) SaveProgress();
}

int StoryStage() { return s_Kept ? s_Progress.storyStage : 0; }

StageRecord StageProgress(int stage) {
    if (!s_Kept || stage < 1 || stage > kStageCount) return StageRecord{false, 0};
    return s_Progress.stages[stage - 1];
}
