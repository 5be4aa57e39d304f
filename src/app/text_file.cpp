#include "app/text_file.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/data_file.h"
#include "base/kept_file.h"
#include "base/platform.h"

#ifdef _WIN32
#include <SDL2/SDL.h>
#endif

const char* ReadSmallTextFile(const std::string& path, std::string& text) {
    std::vector<uint8_t> bytes;
    text.clear();
    const char* why = ReadDataFile(path.c_str(), bytes, size_t(64) << 10);
    if (why) return why;
    text = TextFromFileBytes(bytes.data(), bytes.size());
    return nullptr;
}

namespace {

void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string Utf16ToUtf8(const unsigned char* p, size_t size, bool bigEndian) {
    constexpr uint32_t kReplacement = 0xFFFD;
    auto unit = [&](size_t i) { return bigEndian ? uint32_t(p[i] << 8 | p[i + 1]) : uint32_t(p[i + 1] << 8 | p[i]); };
    std::string out;
    out.reserve(size);
    size_t i = 0;
    for (; i + 1 < size; i += 2) {
        uint32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < size && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    if (i < size) AppendUtf8(out, kReplacement);
    return out;
}

}  // namespace

std::string TextFromFileBytes(const unsigned char* bytes, size_t size) {
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return std::string(reinterpret_cast<const char*>(bytes) + 3, size - 3);
    if (size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF)))
        return Utf16ToUtf8(bytes + 2, size - 2, bytes[0] == 0xFE);
    return std::string(reinterpret_cast<const char*>(bytes), size);
}

namespace {

// The write itself: under the file's lock, read again, merge, replace.
const char* WriteKeptFile(const std::string& path, KeptFileMerge merge) {
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
    return why;
}

// The replacement itself: under the file's lock, the old head asked, the
// new text written.
const char* ReplaceKeptFileNow(const std::string& path, const std::string& text, bool (*replaces)(const std::string& head)) {
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
    return why;
}

}  // namespace

#ifdef __EMSCRIPTEN__
// A page's files live in the browser's storage, which every tab of the game
// shares; the page's script (web/storage.js) writes them there. A write is
// handed to it: under a lock held across tabs it puts what the storage holds
// now into the file, has the file's merge run (tolvane_kept_merge), stores
// the result and reports back (tolvane_kept_written). When another tab
// stored a file, it puts the new text in place and says so
// (tolvane_kept_changed).
namespace {

struct PageKeptFile {
    std::string path;
    KeptFileMerge merge = nullptr;
    KeptFileWritten written = nullptr;
    void (*changed)() = nullptr;
    // A file replaced whole (ReplaceKeptFile) instead of merged.
    std::string replacement;
    bool (*replaces)(const std::string& head) = nullptr;
};
std::vector<PageKeptFile> s_PageFiles;

PageKeptFile& PageFile(const std::string& path) {
    for (PageKeptFile& f : s_PageFiles)
        if (f.path == path) return f;
    s_PageFiles.push_back(PageKeptFile{path});
    return s_PageFiles.back();
}

PageKeptFile* FindPageFile(const char* path) {
    for (PageKeptFile& f : s_PageFiles)
        if (f.path == path) return &f;
    return nullptr;
}

// Hands a file to the page's store; false when the page keeps no files.
bool HandToPage(const std::string& path) {
    return EM_ASM_INT({
        if (!Module.tolvaneStore) return 0;
        Module.tolvaneStore(UTF8ToString($0));
        return 1;
    }, path.c_str());
}

}  // namespace

const char* UpdateKeptFile(const std::string& path, KeptFileMerge merge, KeptFileWritten written) {
    PageKeptFile& f = PageFile(path);
    f.merge = merge;
    f.written = written;
    if (HandToPage(path)) return nullptr;
    const char* why = "the page keeps no files";
    if (written) written(why);
    return why;
}

const char* ReplaceKeptFile(const std::string& path, const std::string& text, bool (*replaces)(const std::string& head)) {
    PageKeptFile& f = PageFile(path);
    f.merge = nullptr;
    f.written = nullptr;
    f.replacement = text;
    f.replaces = replaces;
    return HandToPage(path) ? nullptr : "the page keeps no files";
}

void WatchKeptFile(const std::string& path, void (*changed)()) { PageFile(path).changed = changed; }

extern "C" {

// The page's store: merges the file (holding what the storage holds now)
// with the run's values. Returns "" or why not.
EMSCRIPTEN_KEEPALIVE const char* tolvane_kept_merge(const char* path) {
    PageKeptFile* f = FindPageFile(path);
    if (!f || (!f->merge && f->replacement.empty())) return "nothing to write";
    const char* why = f->merge ? WriteKeptFile(path, f->merge) : ReplaceKeptFileNow(path, f->replacement, f->replaces);
    return why ? why : "";
}

// The page's store is over: "" when the storage holds the file.
EMSCRIPTEN_KEEPALIVE void tolvane_kept_written(const char* path, const char* why) {
    PageKeptFile* f = FindPageFile(path);
    if (f && f->written) f->written(why && why[0] ? why : nullptr);
}

// Another tab stored the file; it holds the stored text now.
EMSCRIPTEN_KEEPALIVE void tolvane_kept_changed(const char* path) {
    PageKeptFile* f = FindPageFile(path);
    if (f && f->changed) f->changed();
}

}  // extern "C"

#else
const char* UpdateKeptFile(const std::string& path, KeptFileMerge merge, KeptFileWritten written) {
    const char* why = WriteKeptFile(path, merge);
    if (written) written(why);
    return why;
}

const char* ReplaceKeptFile(const std::string& path, const std::string& text, bool (*replaces)(const std::string& head)) {
    return ReplaceKeptFileNow(path, text, replaces);
}

void WatchKeptFile(const std::string&, void (*)()) {}
#endif

bool KeepWriteOutcome(const char* why, const char* what, const std::string& path, std::string& problem) {
    if (!why) {
        problem.clear();
        return true;
    }
    if (problem != why) DebugLog((std::string(what) + ": cannot write " + path + ": " + why + " (tried again)\n").c_str());
    problem = why;
    return false;
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
