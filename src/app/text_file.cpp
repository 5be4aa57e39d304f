#include "app/text_file.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/data_file.h"
#include "base/kept_file.h"

#ifdef _WIN32
#include <SDL2/SDL.h>
#endif

const char* ReadSmallTextFile(const std::string& path, std::string& text) {
    std::vector<uint8_t> bytes;
    text.clear();
    const char* why = ReadDataFile(path.c_str(), bytes, size_t(64) << 10);
    if (why) return why;
    size_t from = bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF ? 3 : 0;
    text.assign(bytes.begin() + long(from), bytes.end());
    return nullptr;
}

const char* UpdateKeptFile(const std::string& path, KeptFileMerge merge) {
    std::string target = ResolveFileLinks(path);
    int lock = LockKeptFile(target);
    RemoveStaleTemporaries(target);
    std::string now;
    const char* why = ReadSmallTextFile(target, now);
    bool missing = why && (!std::strcmp(why, "no such file") || !std::strcmp(why, "empty file"));
    // A file too big to be ours is damage; a directory, a device or a file
    // we may not read is left alone and the write fails.
    bool unreadable = why && !std::strcmp(why, "file too big");
    if (!why || missing || unreadable) {
        std::string text = merge(now, path, unreadable);
        if (unreadable && !KeepDamagedFile(target))
            why = "cannot keep the damaged file aside";
        else
            why = ReplaceFileAtomically(target, text);
    }
    UnlockKeptFile(lock);
#ifdef __EMSCRIPTEN__
    // A page keeps its files only once they are copied into the browser's
    // storage (the page's script does it).
    if (!why) EM_ASM({ if (Module.tolvaneStore) Module.tolvaneStore(); });
#endif
    return why;
}

const char* ReplaceKeptFile(const std::string& path, const std::string& text, bool (*replaces)(const std::string& head)) {
    std::string target = ResolveFileLinks(path);
    int lock = LockKeptFile(target);
    RemoveStaleTemporaries(target);
    std::string head;
    struct stat st {};
    // Only a regular file is read: a FIFO would block.
    if (replaces && stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        if (FILE* f = std::fopen(target.c_str(), "rb")) {
            char buf[4096];
            head.assign(buf, std::fread(buf, 1, sizeof buf, f));
            std::fclose(f);
        }
    if (head.compare(0, 3, "\xEF\xBB\xBF") == 0) head.erase(0, 3);
    const bool write = !replaces || replaces(head);
    const char* why = write ? ReplaceFileAtomically(target, text) : nullptr;
    UnlockKeptFile(lock);
#ifdef __EMSCRIPTEN__
    // As UpdateKeptFile: the page copies it into the browser's storage.
    if (write && !why) EM_ASM({ if (Module.tolvaneStore) Module.tolvaneStore(); });
#endif
    return why;
}

#ifdef _WIN32
// Windows keeps a program's files in its roaming application data folder.
std::string XdgFilePath(const char*, const char*, const char* file) {
    char* pref = SDL_GetPrefPath(nullptr, "Tolvane");
    std::string path = pref ? std::string(pref) + file : std::string();
    SDL_free(pref);
    return path;
}
#else
std::string XdgFilePath(const char* var, const char* fallback, const char* file) {
    const char* base = std::getenv(var);
    // The XDG rules: a relative path in the variable is ignored.
    if (base && base[0] == '/') return std::string(base) + "/tolvane/" + file;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/" + fallback + "/tolvane/" + file;
    return "";
}
#endif

bool SplitIniLine(const std::string& line, std::string& key, std::string& value) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    auto trim = [](std::string s) {
        const char* blanks = " \t\r";
        size_t a = s.find_first_not_of(blanks);
        if (a == std::string::npos) return std::string();
        return s.substr(a, s.find_last_not_of(blanks) - a + 1);
    };
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return !key.empty();
}

bool IniLineSkipped(const std::string& line) {
    size_t a = line.find_first_not_of(" \t\r");
    return a == std::string::npos || line[a] == '#' || line[a] == ';' || line[a] == '[';
}
