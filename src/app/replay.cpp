#include "app/replay.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "app/input.h"
#include "app/record.h"
#include "app/text_file.h"
#include "base/data_file.h"
#include "base/parse_int.h"
#include "base/platform.h"
#include "generated/stage_list.h"

#ifndef TOLVANE_VERSION
#define TOLVANE_VERSION "unknown"
#endif

namespace {

constexpr const char* kFirstLine = "# Tolvane replay";
ReplayStartHooks s_Hooks = {};
std::string s_Folder;
int s_TakeStage = 0;     // the stage of the take under way
std::string s_TakeStart; // the state its try began with

// A replay holds no more than a take may (plus its head).
constexpr size_t kMaxReplayBytes = size_t(9) << 20;

std::string KeyList(const bool (&keys)[256]) {
    std::string list;
    for (int vk = 0; vk < 256; ++vk) {
        if (!keys[vk]) continue;
        if (!list.empty()) list += ',';
        list += std::to_string(vk);
    }
    return list.empty() ? "-" : list;
}

bool ReadKeyList(const std::string& word, bool (&keys)[256]) {
    std::memset(keys, 0, sizeof keys);
    if (word == "-") return true;
    std::istringstream in(word);
    for (std::string n; std::getline(in, n, ',');) {
        long long vk = 0;
        if (!ParseInt(n.c_str(), 0, 255, vk)) return false;
        keys[vk] = true;
    }
    return true;
}

// "mouse X Y lbutton N release A B press HAVE AGO X Y held LIST unseen LIST game ..."
std::string StartText(uint32_t now) {
    InputState s;
    SaveInputState(s, now);
    char game[128] = "";
    if (s_Hooks.save) s_Hooks.save(game, sizeof game, now);
    char text[160];
    std::snprintf(text, sizeof text, "mouse %d %d lbutton %d release %d %d press %d %u %d %d", s.mouseX, s.mouseY,
                  s.lButton, s.releaseDue, s.releaseArmed, s.havePress, s.pressAgo, s.pressX, s.pressY);
    return std::string(text) + " held " + KeyList(s.held) + " unseen " + KeyList(s.unseen) + " game " + game;
}

// The words StartText writes, read back; false when any is missing or bad.
bool ParseStart(const std::string& text, InputState& s, std::string& game) {
    std::istringstream in(text);
    std::string w[18];
    for (std::string& word : w)
        if (!(in >> word)) return false;
    std::getline(in, game);
    game.erase(0, game.find_first_not_of(' '));
    if (w[0] != "mouse" || w[3] != "lbutton" || w[5] != "release" || w[8] != "press" || w[13] != "held" ||
        w[15] != "unseen" || w[17] != "game")
        return false;
    long long n[9];
    const int at[9] = {1, 2, 4, 6, 7, 9, 10, 11, 12};
    const long long hi[9] = {639, 479, 1, 1, 1, 1, 500, 639, 479};
    for (int i = 0; i < 9; ++i)
        if (!ParseInt(w[at[i]].c_str(), 0, hi[i], n[i])) return false;
    s.mouseX = int(n[0]);
    s.mouseY = int(n[1]);
    s.lButton = int(n[2]);
    s.releaseDue = n[3] != 0;
    s.releaseArmed = n[4] != 0;
    s.havePress = n[5] != 0;
    s.pressAgo = uint32_t(n[6]);
    s.pressX = int(n[7]);
    s.pressY = int(n[8]);
    return ReadKeyList(w[14], s.held) && ReadKeyList(w[16], s.unseen);
}

std::string HeadText(int stage, uint32_t clearMs) {
    return std::string(kFirstLine) + "\n# stage " + std::to_string(stage) + "\n# version " + GameVersion() +
           "\n# cleared " + std::to_string(clearMs) + "\n# start " + s_TakeStart +
           "\n# Every input of the try, in ms from the tick its stage starts. Watch: tolvane --watch FILE;\n"
           "# check: tolvane --verify FILE\n";
}

// A kept best stays unless the new clear is faster (a file that is no
// replay of this stage is replaced).
uint32_t s_NewClearMs = 0;
int s_NewStage = 0;
bool FasterThanKept(const std::string& head) {
    Replay kept;
    std::string firstLines = head.substr(0, head.rfind('\n') + 1);
    std::istringstream in(firstLines);
    std::string text;
    for (std::string line; std::getline(in, line) && !line.empty() && line[0] == '#';) text += line + "\n";
    if (ParseReplay(text, "best", kept) != nullptr || kept.head.stage != s_NewStage || !kept.head.cleared) return true;
    return s_NewClearMs < kept.head.clearMs;
}

}  // namespace

void SetReplayStartHooks(ReplayStartHooks hooks) { s_Hooks = hooks; }

const char* GameVersion() { return TOLVANE_VERSION; }

void SetReplayFolder(const std::string& folder) { s_Folder = folder; }

std::string KeptReplayPath(int stage, bool best) {
    if (s_Folder.empty()) return "";
    return s_Folder + "/stage" + std::to_string(stage) + (best ? "-best.txt" : "-last.txt");
}

void BeginStageTake(int stage, uint32_t now) {
    s_TakeStage = stage;
    s_TakeStart = StartText(now);
    StartTake(now);
}

void KeepClearReplay(int stage, uint32_t clearMs) {
    if (s_Folder.empty() || !TakeOpen() || stage != s_TakeStage) return;
    const std::string text = HeadText(stage, clearMs) + TakeLines();
    if (const char* why = ReplaceKeptFile(KeptReplayPath(stage, false), text, nullptr))
        DebugLog(("replay: cannot write " + KeptReplayPath(stage, false) + ": " + why + "\n").c_str());
    s_NewClearMs = clearMs;
    s_NewStage = stage;
    if (const char* why = ReplaceKeptFile(KeptReplayPath(stage, true), text, FasterThanKept))
        DebugLog(("replay: cannot write " + KeptReplayPath(stage, true) + ": " + why + "\n").c_str());
}

namespace {
// The events a player's input makes; a replay holds no other.
bool PlayerEvent(const std::string& word) {
    for (const char* e : {"move", "click", "press", "release", "keydown", "keyup"})
        if (word == e) return true;
    return false;
}
std::string s_Why;  // the reason ParseReplay returns
const char* Refuse(const std::string& why) {
    s_Why = why;
    return s_Why.c_str();
}
}  // namespace

const char* ParseReplay(const std::string& textIn, const std::string& name, Replay& out) {
    out = Replay{};
    std::string text = textIn.compare(0, 3, "\xEF\xBB\xBF") == 0 ? textIn.substr(3) : textIn;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    bool haveStage = false, haveVersion = false;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNo == 1) {
            if (line != kFirstLine) return Refuse("it does not begin with '" + std::string(kFirstLine) + "'");
            continue;
        }
        std::istringstream words(line);
        std::string first, key, value;
        words >> first;
        if (first.empty()) continue;
        if (first[0] == '#') {
            // Head lines: "# key value".
            words >> key;
            std::getline(words, value);
            value.erase(0, value.find_first_not_of(' '));
            long long n = 0;
            if (first != "#") continue;
            if (key == "stage") {
                if (!ParseInt(value.c_str(), 1, 9999, n)) return Refuse("line " + std::to_string(lineNo) + ": a bad stage");
                out.head.stage = int(n);
                haveStage = true;
            } else if (key == "version") {
                out.head.version = value;
                haveVersion = !value.empty();
            } else if (key == "cleared") {
                if (!ParseInt(value.c_str(), 0, 0xFFFFFFFFLL, n)) return Refuse("line " + std::to_string(lineNo) + ": a bad clear time");
                out.head.cleared = true;
                out.head.clearMs = uint32_t(n);
            } else if (key == "start") {
                out.head.start = value;
            }
            continue;
        }
        std::string event;
        words >> event;
        if (!PlayerEvent(event))
            return Refuse("line " + std::to_string(lineNo) + ": '" + event.substr(0, 20) + "' is no player's input");
    }
    if (!haveStage || !haveVersion) return Refuse("its head names no stage or no version");
    InputState s;
    std::string game;
    if (!out.head.start.empty() && !ParseStart(out.head.start, s, game)) return Refuse("its start line is damaged");
    std::string error;
    if (!ParseScript(text, name, out.events, error)) return Refuse(error);
    return nullptr;
}

const char* LoadReplayFile(const std::string& path, Replay& out) {
    std::vector<uint8_t> bytes;
    if (const char* why = ReadDataFile(path.c_str(), bytes, kMaxReplayBytes)) return Refuse(std::string("cannot read it: ") + why);
    return ParseReplay(std::string(bytes.begin(), bytes.end()), path, out);
}

bool ReadReplayHead(const std::string& path, ReplayHead& out) {
    std::vector<uint8_t> bytes;
    Replay r;
    if (ReadDataFile(path.c_str(), bytes, kMaxReplayBytes) || ParseReplay(std::string(bytes.begin(), bytes.end()), path, r))
        return false;
    out = r.head;
    return true;
}

bool RestoreReplayStart(const std::string& start, uint32_t now) {
    if (start.empty()) return true;
    InputState s;
    std::string game;
    if (!ParseStart(start, s, game)) return false;
    if (s_Hooks.load && !s_Hooks.load(game.c_str(), now)) return false;
    LoadInputState(s, now);
    return true;
}
