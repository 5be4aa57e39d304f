#include "app/record.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "base/platform.h"

namespace {
FILE* s_File = nullptr;
bool s_ToStdout = false;
bool s_Failed = false;
std::string s_Path;
uint32_t s_Start = 0;

// The take, and where its last line starts (a move may replace it).
std::string s_Take;
bool s_TakeOpen = false;
uint32_t s_TakeStart = 0;
size_t s_TakeLast = 0;
// Far beyond the moves of the longest try (a frame's worth of input a
// frame), short of what a stuck key's repeats could pile up.
constexpr size_t kMaxTakeBytes = size_t(8) << 20;

void TakeEvent(const char* words) {
    if (!s_TakeOpen || !std::strcmp(words, "quit")) return;
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%u ", NowMs() - s_TakeStart);
    std::string line = std::string(stamp) + words + "\n";
    const std::string last = s_Take.substr(s_TakeLast);
    // Lines of the same stamp reach the game in the same frame: of two moves
    // only the later counts, and a repeat of the same line changes nothing.
    const bool sameStamp = last.compare(0, std::strlen(stamp), stamp) == 0;
    if (sameStamp && last == line) return;
    if (sameStamp && !std::strncmp(words, "move ", 5) && last.find(" move ") != std::string::npos)
        s_Take.resize(s_TakeLast);
    s_TakeLast = s_Take.size();
    s_Take += line;
    if (s_Take.size() > kMaxTakeBytes) {
        DebugLog("replay: the try's inputs outgrew their bound; this try keeps no replay\n");
        DropTake();
    }
}

// Every line is flushed at once: a recording is most wanted when the game
// goes wrong.
bool Written(int printed) { return printed >= 0 && std::fflush(s_File) == 0; }
}  // namespace

bool StartRecording(const std::string& path, uint32_t startMs, int startScene, const char* lang) {
    StopRecording();
    s_Path = path;
    s_ToStdout = path == "-";
    s_File = s_ToStdout ? stdout : std::fopen(path.c_str(), "wb");
    if (!s_File) return false;
    s_Start = startMs;
    // The replay must start where the run started, on the same clock, in the
    // same language.
    std::string how = std::string(" --lang ") + lang;
    if (startScene) how += " --scene " + std::to_string(startScene);
    if (startMs != AppOptions{}.clockStart) how += " --clock-start " + std::to_string(startMs);
    if (Written(std::fprintf(s_File,
                             "# Recorded play: every input, stamped with the game time of the frame that saw it.\n"
                             "# Replay: tolvane --headless%s --script FILE\n",
                             how.c_str())))
        return true;
    int error = errno;
    s_Failed = true;  // the caller says so, once
    StopRecording();
    errno = error;
    return false;
}

bool StopRecording() {
    if (s_File && !s_ToStdout && std::fclose(s_File) != 0 && !s_Failed) {
        WriteFailed("the recording", s_Path.c_str(), errno);
        s_Failed = true;
    }
    bool ok = !s_Failed;
    s_File = nullptr;
    s_Failed = false;
    return ok;
}

bool Recording() { return s_File != nullptr || s_TakeOpen; }

void StartTake(uint32_t startMs) {
    s_Take.clear();
    s_TakeOpen = true;
    s_TakeStart = startMs;
    s_TakeLast = 0;
}

void DropTake() {
    s_Take.clear();
    s_TakeOpen = false;
    s_TakeLast = 0;
}

bool TakeOpen() { return s_TakeOpen; }
const std::string& TakeLines() { return s_Take; }

void RecordEvent(const char* words) {
    TakeEvent(words);
    if (!s_File || s_Failed) return;
    // The game clock between frames already reads the next frame's time.
    if (Written(std::fprintf(s_File, "%u %s\n", NowMs() - s_Start, words))) return;
    s_Failed = true;
    WriteFailed("the recording", s_Path.c_str(), errno);
}
