#include "game_run.h"

#include "base/platform.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> out;
    std::ifstream f(path);
    for (std::string line; std::getline(f, line);) out.push_back(line);
    return out;
}

namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

std::string ReadTextFile(const std::string& path) {
    std::ifstream f(path);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

pid_t StartGame(std::vector<std::string> args) {
    args.insert(args.begin(), TOLVANE_BIN);
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(TOLVANE_BIN, argv.data());
        _exit(127);
    }
    return pid;
}

std::string MakeTempDir(const char* tag) {
    std::string tmpl = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/tolvane-" + tag +
                       "-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back(0);
    const char* dir = mkdtemp(buf.data());
    return dir ? dir : "/tmp";
}

GameRun RunGameHeadless(const std::vector<std::string>& args, const std::string& script, const std::string& dataDir) {
    std::string dir = MakeTempDir("run");
    std::string cmd = Quote(TOLVANE_BIN) + " --headless --data " + Quote(dataDir) + " --log " + Quote(dir + "/log") +
                      " --trace " + Quote(dir + "/trace") + " --lang ja";
    if (!script.empty()) {
        std::ofstream(dir + "/script") << script;
        cmd += " --script " + Quote(dir + "/script");
    }
    for (const std::string& a : args) cmd += " " + Quote(a);
    cmd += " >" + Quote(dir + "/stdout") + " 2>" + Quote(dir + "/stderr") + " </dev/null";
    GameRun run;
    int status = std::system(cmd.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(dir + "/stderr");
    std::stringstream ss;
    ss << err.rdbuf();
    run.stderrText = ss.str();
    run.stdoutText = ReadTextFile(dir + "/stdout");
    run.log = ReadLines(dir + "/log");
    run.trace = ReadLines(dir + "/trace");
    return run;
}

long long TraceField(const std::string& line, const char* name) {
    std::string key = std::string("\"") + name + "\":";
    size_t at = line.find(key);
    if (at == std::string::npos) return -1;
    return std::strtoll(line.c_str() + at + key.size(), nullptr, 10);
}

int CountLines(const std::vector<std::string>& lines, const std::string& text) {
    int n = 0;
    for (const std::string& l : lines) n += l == text;
    return n;
}

int FirstLine(const std::vector<std::string>& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text) return int(i);
    return -1;
}

LogCapture::LogCapture() : path(MakeTempDir("log") + "/log.txt") { OpenLog(path.c_str()); }

std::string LogCapture::Text() {
    CloseLog();
    return ReadTextFile(path);
}

std::string DataWithout(const std::string& sub, const char* missing) {
    namespace fs = std::filesystem;
    const fs::path real(TOLVANE_DATA_DIR), dir(MakeTempDir("data"));
    for (const fs::directory_entry& e : fs::directory_iterator(real))
        if (e.path().filename() != sub) fs::create_symlink(e.path(), dir / e.path().filename());
    fs::create_directory(dir / sub);
    for (const fs::directory_entry& e : fs::directory_iterator(real / sub))
        if (missing && e.path().filename() != missing) fs::create_symlink(e.path(), dir / sub / e.path().filename());
    return dir.string();
}
