// Runs the built game headless in a child process and collects what it wrote.
#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

struct GameRun {
    int exitCode = -1;
    std::string stderrText, stdoutText;
    std::vector<std::string> log;    // log lines without the line feed
    std::vector<std::string> trace;  // one JSON object per line
};

// args: extra command-line words; --headless, --log, --trace and --lang ja
// (whatever the machine's locale; a later --lang in args wins) are added.
// dataDir: the folder given to --data (the generated data by default).
GameRun RunGameHeadless(const std::vector<std::string>& args, const std::string& script = "",
                        const std::string& dataDir = TOLVANE_DATA_DIR);

// Starts the built game in a child process with these words after its
// name (a window's run, or anything GameRun does not cover); its process id.
pid_t StartGame(std::vector<std::string> args);

// The whole text of a file ("" if it cannot be read), and its lines without
// their line feeds.
std::string ReadTextFile(const std::string& path);
std::vector<std::string> ReadLines(const std::string& path);

// A fresh, empty folder under the system's temporary folder.
std::string MakeTempDir(const char* tag);
// A data folder like the generated one (its folders linked) but with folder
// `sub` empty, or holding every file of it but `missing`.
std::string DataWithout(const std::string& sub, const char* missing = nullptr);

// Integer field of a trace line ("scene", "next", "t", ...); -1 if absent.
long long TraceField(const std::string& line, const char* name);

// How many log lines equal text, and the index of the first (or -1).
int CountLines(const std::vector<std::string>& lines, const std::string& text);
int FirstLine(const std::vector<std::string>& lines, const std::string& text);

// The debug log of the test's own process, written to a temporary file from
// construction until Text() closes it and returns what was written.
struct LogCapture {
    std::string path;
    LogCapture();
    std::string Text();
};
