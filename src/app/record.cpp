#include "app/record.h"

#include <cerrno>
#include <cstdio>

#include "app/app.h"
#include "base/platform.h"

namespace {
FILE* s_File = nullptr;
bool s_ToStdout = false;
bool s_Failed = false;
std::string s_Path;
uint32_t s_Start = 0;

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

bool Recording() { return s_File != nullptr; }

void RecordEvent(const char* words) {
    if (!s_File || s_Failed) return;
    // The game clock between frames already reads the next frame's time.
    if (Written(std::fprintf(s_File, "%u %s\n", NowMs() - s_Start, words))) return;
    s_Failed = true;
    WriteFailed("the recording", s_Path.c_str(), errno);
}
