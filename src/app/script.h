// Timed input scripts for headless runs: one event a line, times in ms since
// program start, non-decreasing; '#' starts a comment. "T wait N" holds the
// lines below until the first tick that runs scene N (after T), and their
// times count from that tick; "T include FILE" plays FILE's lines from T, so
// one stage's solution serves wherever the stage starts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class ScriptKind { Move, Press, Release, KeyDown, KeyUp, Finger, Shot, Quit, Wait };

struct ScriptEvent {
    uint32_t time = 0;
    ScriptKind kind = ScriptKind::Move;
    int x = 0, y = 0;
    int button = 0;  // 1 left, 2 right; Finger: 1 on, 0 off
    int vk = 0;
    int scene = 0;  // Wait: the scene whose first tick restarts the time
    std::string path;
};

// Parses script text. On a bad line returns false and sets error to
// "NAME:LINE: problem". A click becomes move + press at T and release at T+50.
// Times are kept relative to the last Wait before them.
bool ParseScript(const std::string& text, const std::string& name, std::vector<ScriptEvent>& out,
                 std::string& error);
bool LoadScriptFile(const std::string& path, std::vector<ScriptEvent>& out, std::string& error);
