#include "app/text_file.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "base/data_file.h"
#include "base/files.h"

#ifdef _WIN32
#include <SDL2/SDL.h>
// Not inherited by programs the game starts; no newline translation.
constexpr int kWriteFlags = O_WRONLY | O_CREAT | O_TRUNC | O_NOINHERIT | O_BINARY;
#else
constexpr int kWriteFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
#endif

const char* ReadSmallTextFile(const std::string& path, std::string& text) {
    std::vector<uint8_t> bytes;
    text.clear();
    const char* why = ReadDataFile(path.c_str(), bytes, size_t(64) << 10);
    if (why) return why;
    text.assign(bytes.begin(), bytes.end());
    return nullptr;
}

namespace {

size_t LastSeparator(const std::string& path) {
    for (size_t i = path.size(); i-- > 0;)
        if (IsPathSeparator(path[i])) return i;
    return std::string::npos;
}

bool MakeFolders(const std::string& dir) {
    if (dir.empty()) return true;
    struct stat st {};
    if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    size_t slash = LastSeparator(dir);
    if (slash != std::string::npos && slash > 0 && !MakeFolders(dir.substr(0, slash))) return false;
    return MakeFolder(dir.c_str());
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text) {
    size_t slash = LastSeparator(path);
    if (slash != std::string::npos && !MakeFolders(path.substr(0, slash))) return false;
    std::string tmp = path + ".tmp." + std::to_string(getpid());
    int fd = open(tmp.c_str(), kWriteFlags, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, text) && SyncFileToDisk(fd);
    ok = close(fd) == 0 && ok;
    if (ok) ok = MoveFileOver(tmp.c_str(), path.c_str());
    if (!ok) unlink(tmp.c_str());
#ifdef __EMSCRIPTEN__
    // A page keeps its files only once they are copied into the browser's
    // storage (the page's script does it).
    if (ok) EM_ASM({ if (Module.tolvaneStore) Module.tolvaneStore(); });
#endif
    return ok;
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

bool IniLineSkipped(const std::string& line, bool sections) {
    size_t a = line.find_first_not_of(" \t\r");
    return a == std::string::npos || line[a] == '#' || line[a] == ';' || (sections && line[a] == '[');
}
