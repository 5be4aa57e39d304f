#include "base/files.h"

#include <stdio.h>
#include <unistd.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

#ifdef _WIN32

namespace {
std::wstring Wide(const char* utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring w(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, w.data(), n);
    w.resize(size_t(n - 1));
    return w;
}
}  // namespace

// rename() will not replace an existing file on Windows.
bool MoveFileOver(const char* from, const char* to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool MakeFolder(const char* path) {
    return CreateDirectoryW(Wide(path).c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool SyncFileToDisk(int fd) { return _commit(fd) == 0; }

timespec StatModified(const struct stat& st) { return timespec{st.st_mtime, 0}; }

bool IsAbsolutePath(const std::string& path) {
    if (!path.empty() && IsPathSeparator(path[0])) return true;
    return path.size() >= 3 && path[1] == ':' && IsPathSeparator(path[2]);
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

#else

#include <cerrno>

bool MoveFileOver(const char* from, const char* to) { return rename(from, to) == 0; }

bool MakeFolder(const char* path) { return mkdir(path, 0755) == 0 || errno == EEXIST; }

bool SyncFileToDisk(int fd) { return fsync(fd) == 0; }

timespec StatModified(const struct stat& st) { return st.st_mtim; }

bool IsAbsolutePath(const std::string& path) { return !path.empty() && path[0] == '/'; }

bool IsPathSeparator(char c) { return c == '/'; }

#endif

std::string FolderOf(const std::string& path) {
    size_t slash = std::string::npos;
    for (size_t i = path.size(); i-- > 0 && slash == std::string::npos;)
        if (IsPathSeparator(path[i])) slash = i;
    if (slash == std::string::npos) return ".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}
