#include "app/script.h"

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

namespace {

bool ReadWhole(const std::string& path, std::string& text) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::stringstream ss;
    ss << f.rdbuf();
    text = ss.str();
    return true;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
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
        if (!ParseNumber(w[0], 0, 4000000000LL, t)) return fail("bad time '" + w[0] + "'");
        if (t < last) return fail("time " + w[0] + " is earlier than the line before");
        last = t;
        if (w.size() < 2) return fail("missing event after the time");
        const std::string& ev = w[1];
        ScriptEvent e;
        e.time = uint32_t(t) + shift;
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
                e.time += 50;
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
        } else if (ev == "wait") {
            long long scene = 0;
            if (!need(3) || !ParseNumber(w[2], 0, 255, scene)) return fail("wait takes a scene number 0..255");
            if (nested) return fail("an included script cannot wait");
            e.kind = ScriptKind::Wait;
            e.scene = int(scene);
            out.push_back(e);
            last = 0;  // the lines below count from the awaited tick
        } else if (ev == "include") {
            if (!need(3)) return fail("include takes a file name");
            if (nested) return fail("an included script cannot include another");
            std::string path = w[2][0] == '/' ? w[2] : FolderOf(name) + "/" + w[2];
            std::string inner;
            if (!ReadWhole(path, inner)) return fail("cannot open the included script '" + w[2] + "'");
            if (!ParseLines(inner, path, e.time, true, out, error)) return false;
        } else {
            return fail("unknown event '" + ev + "'");
        }
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

bool LoadScriptFile(const std::string& path, std::vector<ScriptEvent>& out, std::string& error) {
    std::string text;
    if (!ReadWhole(path, text)) {
        error = path + ": cannot open the script";
        return false;
    }
    return ParseScript(text, path, out, error);
}
