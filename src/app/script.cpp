#include "app/script.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/input.h"

namespace {

bool ParseNumber(const std::string& word, long long lo, long long hi, long long& out) {
    if (word.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(word.c_str(), &end, 10);
    if (errno || *end || v < lo || v > hi) return false;
    out = v;
    return true;
}

int ParseButton(const std::string& w) { return w == "left" ? 1 : w == "right" ? 2 : 0; }

}  // namespace

bool ParseScript(const std::string& text, const std::string& name, std::vector<ScriptEvent>& out,
                 std::string& error) {
    out.clear();
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    long long last = 0;
    auto fail = [&](const std::string& why) {
        error = name + ":" + std::to_string(lineNo) + ": " + why;
        out.clear();
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
        if (!ParseNumber(w[0], 0, 4000000000LL, t)) return fail("bad time '" + w[0] + "'");
        if (t < last) return fail("time " + w[0] + " is earlier than the line before");
        last = t;
        if (w.size() < 2) return fail("missing event after the time");
        const std::string& ev = w[1];
        ScriptEvent e;
        e.time = uint32_t(t);
        auto need = [&](size_t n) { return w.size() == n; };
        if (ev == "move" || ev == "click") {
            long long x = 0, y = 0;
            if (!need(4)) return fail(ev + " takes X Y");
            if (!ParseNumber(w[2], 0, 639, x) || !ParseNumber(w[3], 0, 479, y))
                return fail("position must be within 0..639, 0..479");
            e.kind = ScriptKind::Move;
            e.x = int(x);
            e.y = int(y);
            out.push_back(e);
            if (ev == "click") {
                e.kind = ScriptKind::Press;
                e.button = 1;
                out.push_back(e);
                e.kind = ScriptKind::Release;
                e.time = uint32_t(t + 50);
                out.push_back(e);
            }
        } else if (ev == "press" || ev == "release") {
            if (!need(3) || !ParseButton(w[2])) return fail(ev + " takes left or right");
            e.kind = ev == "press" ? ScriptKind::Press : ScriptKind::Release;
            e.button = ParseButton(w[2]);
            out.push_back(e);
        } else if (ev == "keydown" || ev == "keyup") {
            if (!need(3)) return fail(ev + " takes a key name");
            e.vk = KeyNameToVk(w[2].c_str());
            if (e.vk < 0) return fail("unknown key '" + w[2] + "' (escape, space, enter, f1, a-z, 0-9)");
            e.kind = ev == "keydown" ? ScriptKind::KeyDown : ScriptKind::KeyUp;
            out.push_back(e);
        } else if (ev == "shot") {
            if (!need(3)) return fail("shot takes a file name");
            if (w[2].size() < 5 || w[2].substr(w[2].size() - 4) != ".png")
                return fail("shot file must end in .png");
            e.kind = ScriptKind::Shot;
            e.path = w[2];
            out.push_back(e);
        } else if (ev == "quit") {
            if (!need(2)) return fail("quit takes nothing");
            e.kind = ScriptKind::Quit;
            out.push_back(e);
        } else {
            return fail("unknown event '" + ev + "'");
        }
    }
    // Click releases may fall after later lines: keep time order, stable.
    std::stable_sort(out.begin(), out.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.time < b.time; });
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
    // A directory opens as an empty stream: say so instead of running nothing.
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        error = EscapeForTerminal(path) + ": is a directory, not a script";
        return false;
    }
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = EscapeForTerminal(path) + ": cannot open the script";
        return false;
    }
    std::stringstream ss;
    ss << f.rdbuf();
    if (ParseScript(ss.str(), path, out, error)) return true;
    error = EscapeForTerminal(error);
    return false;
}
