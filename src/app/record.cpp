#include "app/record.h"

#include <cstdio>

#include "app/app.h"
#include "base/platform.h"

namespace {
FILE* s_File = nullptr;
uint32_t s_Start = 0;
}  // namespace

bool StartRecording(const std::string& path, uint32_t startMs, int startScene, const char* lang) {
    StopRecording();
    s_File = std::fopen(path.c_str(), "wb");
    if (!s_File) return false;
    s_Start = startMs;
    // The replay must start where the run started, on the same clock, in the
    // same language.
    std::string how = std::string(" --lang ") + lang;
    if (startScene) how += " --scene " + std::to_string(startScene);
    if (startMs != AppOptions{}.clockStart) how += " --clock-start " + std::to_string(startMs);
    std::fprintf(s_File,
                 "# Recorded play: every input, stamped with the game time of the frame that saw it.\n"
                 "# Replay: tolvane --headless%s --script FILE\n",
                 how.c_str());
    std::fflush(s_File);
    return true;
}

void StopRecording() {
    if (s_File) std::fclose(s_File);
    s_File = nullptr;
}

bool Recording() { return s_File != nullptr; }

void RecordEvent(const char* words) {
    if (!s_File) return;
    // The game clock between frames already reads the next frame's time.
    std::fprintf(s_File, "%u %s\n", NowMs() - s_Start, words);
    // Flushed at once: a recording is most wanted when the game goes wrong.
    std::fflush(s_File);
}
