#include "app/script.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "app/input.h"
#include "base/data_file.h"
#include "base/files.h"
#include "base/parse_int.h"

namespace {

int ParseButton(const std::string& w) { return w == "left" ? 1 : w == "right" ? 2 : 0; }

}  // namespace

namespace {

// The most a script may hold: far beyond any recording, short of what an
// endless device (/dev/zero) would fill memory with.
constexpr size_t kMaxScriptBytes = size_t(64) << 20;

// Reads a script whole; nullptr on success, else why not. Only a regular
// file is read: a FIFO or a device would block or never end.
const char* ReadWhole(const std::string& path, std::string& text) {
    std::vector<uint8_t> bytes;
    text.clear();
    const char* why = ReadDataFile(path.c_str(), bytes, kMaxScriptBytes);
    if (why && std::strcmp(why, "empty file") != 0) return why;
    text.assign(bytes.begin(), bytes.end());
    return nullptr;
}

bool ParseLines(const std::string& text, const std::string& name, uint32_t shift, bool nested,
                std::vector<ScriptEvent>& out, std::string& error);

// The events a player's input line makes (move, click, press, release,
// keydown, keyup, finger), appended to out; the reason the line is bad, or "".
std::string ParseInputEvent(const std::vector<std::string>& w, ScriptEvent e, std::vector<ScriptEvent>& out) {
    const std::string& ev = w[1];
    auto need = [&](size_t n) { return w.size() == n; };
    if (ev == "move" || ev == "click") {
        long long x = 0, y = 0;
        if (!need(4)) return ev + " takes X Y";
        if (!ParseInt(w[2].c_str(), 0, 639, x) || !ParseInt(w[3].c_str(), 0, 479, y))
            return "position must be within 0..639, 0..479";
        e.kind = ScriptKind::Move;
        e.x = int(x);
        e.y = int(y);
        out.push_back(e);
        if (ev == "click") {
            e.kind = ScriptKind::Press;
            e.button = 1;
            out.push_back(e);
            e.kind = ScriptKind::Release;
            e.time += 50;
            out.push_back(e);
        }
    } else if (ev == "press" || ev == "release") {
        if (!need(3) || !ParseButton(w[2])) return ev + " takes left or right";
        e.kind = ev == "press" ? ScriptKind::Press : ScriptKind::Release;
        e.button = ParseButton(w[2]);
        out.push_back(e);
    } else if (ev == "finger") {
        if (!need(3) || (w[2] != "on" && w[2] != "off")) return "finger takes on or off";
        e.kind = ScriptKind::Finger;
        e.button = w[2] == "on";
        out.push_back(e);
    } else {
        if (!need(3)) return ev + " takes a key name";
        e.vk = KeyNameToVk(w[2].c_str());
        if (e.vk < 0) return "unknown key '" + w[2] + "' (escape, space, enter, f1..f12, arrows, a-z, 0-9 ...)";
        e.kind = ev == "keydown" ? ScriptKind::KeyDown : ScriptKind::KeyUp;
        out.push_back(e);
    }
    return "";
}

// The events of a line that steers the run (shot, quit, wait, include),
// appended to out; the reason the line is bad, or "" (an included file's
// own fault is already in error). A wait restarts `last`.
std::string ParseRunEvent(const std::vector<std::string>& w, ScriptEvent e, const std::string& name, bool nested,
                          long long& last, std::vector<ScriptEvent>& out, std::string& error) {
    const std::string& ev = w[1];
    auto need = [&](size_t n) { return w.size() == n; };
    if (ev == "shot") {
        if (!need(3)) return "shot takes a file name";
        if (w[2].size() < 5 || w[2].substr(w[2].size() - 4) != ".png") return "shot file must end in .png";
        e.kind = ScriptKind::Shot;
        e.path = w[2];
        out.push_back(e);
    } else if (ev == "quit") {
        if (!need(2)) return "quit takes nothing";
        e.kind = ScriptKind::Quit;
        out.push_back(e);
    } else if (ev == "wait") {
        long long scene = 0;
        if (!need(3) || !ParseInt(w[2].c_str(), 0, 255, scene)) return "wait takes a scene number 0..255";
        if (nested) return "an included script cannot wait";
        e.kind = ScriptKind::Wait;
        e.scene = int(scene);
        out.push_back(e);
        last = 0;  // the lines below count from the awaited tick
    } else if (ev == "include") {
        if (!need(3)) return "include takes a file name";
        if (nested) return "an included script cannot include another";
        std::string path = IsAbsolutePath(w[2]) ? w[2] : FolderOf(name) + "/" + w[2];
        std::string inner;
        if (const char* why = ReadWhole(path, inner))
            return "cannot read the included script '" + w[2] + "': " + why;
        ParseLines(inner, path, e.time, true, out, error);
    } else {
        return "unknown event '" + ev + "'";
    }
    return "";
}

// Parses one file's lines into out. Times are relative to the segment they
// sit in (a wait line starts a new segment); an included file's lines are
// shifted by the include line's time and may neither wait nor include.
bool ParseLines(const std::string& text, const std::string& name, uint32_t shift, bool nested,
                std::vector<ScriptEvent>& out, std::string& error) {
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    long long last = 0;
    auto fail = [&](const std::string& why) {
        if (error.empty()) error = name + ":" + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (w.empty()) continue;
        long long t = 0;
        if (!ParseInt(w[0].c_str(), 0, 4000000000LL, t)) return fail("bad time '" + w[0] + "'");
        if (t < last) return fail("time " + w[0] + " is earlier than the line before");
        last = t;
        if (w.size() < 2) return fail("missing event after the time");
        ScriptEvent e;
        e.time = uint32_t(t) + shift;
        const std::string& ev = w[1];
        const bool input = ev == "move" || ev == "click" || ev == "press" || ev == "release" || ev == "keydown" ||
                           ev == "keyup" || ev == "finger";
        std::string why = input ? ParseInputEvent(w, e, out) : ParseRunEvent(w, e, name, nested, last, out, error);
        if (!why.empty()) return fail(why);
        if (!error.empty()) return false;
    }
    return true;
}

}  // namespace

bool ParseScript(const std::string& text, const std::string& name, std::vector<ScriptEvent>& out,
                 std::string& error) {
    out.clear();
    error.clear();
    if (!ParseLines(text, name, 0, false, out, error)) {
        out.clear();
        return false;
    }
    // Click releases and included lines may fall after later lines: keep time
    // order, stable, within each stretch between two waits.
    auto from = out.begin();
    while (from != out.end()) {
        auto to = std::find_if(from, out.end(), [](const ScriptEvent& e) { return e.kind == ScriptKind::Wait; });
        std::stable_sort(from, to, [](const ScriptEvent& a, const ScriptEvent& b) { return a.time < b.time; });
        from = to == out.end() ? to : to + 1;
    }
    return true;
}

namespace {

// A script's error message names the bad word as written; from a binary file
// that word may hold control bytes or broken UTF-8 that must not reach the
// terminal raw. Those become \xNN, and a very long message is cut.
std::string EscapeForTerminal(const std::string& text) {
    constexpr size_t kMaxShown = 200;
    std::string out;
    for (size_t i = 0; i < text.size() && out.size() < kMaxShown;) {
        auto c = static_cast<unsigned char>(text[i]);
        size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        bool whole = len > 1 && i + len <= text.size() && c >= 0xC2;
        for (size_t k = 1; whole && k < len; ++k) whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (len == 1 && c >= 0x20 && c != 0x7F) {
            out += char(c);
            ++i;
        } else if (whole) {
            out.append(text, i, len);
            i += len;
        } else {
            static const char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
            ++i;
        }
    }
    if (out.size() >= kMaxShown) out += "...";
    return out;
}

}  // namespace

bool LoadScriptFile(const std::string& path, std::vector<ScriptEvent>& out, std::string& error) {
    std::string text;
    if (const char* why = ReadWhole(path, text)) {
        error = EscapeForTerminal(path) + ": cannot read the script: " + why;
        return false;
    }
    if (ParseScript(text, path, out, error)) return true;
    error = EscapeForTerminal(error);
    return false;
}
