#include "base/kept_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/files.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
// Not inherited by programs the game starts; no newline translation.
constexpr int kOpenFlags = O_NOINHERIT | O_BINARY;
#else
#include <signal.h>
#include <sys/file.h>
constexpr int kOpenFlags = O_CLOEXEC;
#endif

namespace {

const std::string kTmpMark = ".tmp.";

size_t LastSeparator(const std::string& path) {
    for (size_t i = path.size(); i-- > 0;)
        if (IsPathSeparator(path[i])) return i;
    return std::string::npos;
}

std::string NameOf(const std::string& path) {
    size_t slash = LastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool MakeFolders(const std::string& dir) {
    if (dir.empty() || dir == "." || (dir.size() == 1 && IsPathSeparator(dir[0]))) return true;
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

// Whether the process with this number may still run (and so finish its write).
bool ProcessMayRun(long pid) {
#ifdef _WIN32
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (!h) return GetLastError() != ERROR_INVALID_PARAMETER;  // that error: no such process
    bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return running;
#else
    return kill(pid_t(pid), 0) == 0 || errno != ESRCH;
#endif
}

}  // namespace

#ifdef _WIN32
// Windows: links there need rights a player seldom has, and readlink does
// not exist; the path is written as it is.
std::string ResolveFileLinks(const std::string& path) { return path; }
#else
std::string ResolveFileLinks(const std::string& path) {
    std::string p = path;
    // A bound on the chain, as the kernel's own, so that a loop ends.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        char target[4096];
        ssize_t n = readlink(p.c_str(), target, sizeof target - 1);
        if (n <= 0) return p;
        target[n] = 0;
        p = target[0] == '/' ? std::string(target) : FolderOf(p) + "/" + target;
    }
    return p;
}
#endif

int LockKeptFile(const std::string& path) {
    if (!MakeFolders(FolderOf(path))) return -1;
    size_t slash = LastSeparator(path);
    std::string lockPath = (slash == std::string::npos ? "" : path.substr(0, slash + 1)) + "." + NameOf(path) + ".lock";
    int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | kOpenFlags, 0644);
    if (fd < 0) return -1;
#ifdef _WIN32
    // The whole range of the lock file, held until unlocked or closed.
    OVERLAPPED at{};
    if (!LockFileEx(HANDLE(_get_osfhandle(fd)), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &at)) {
        close(fd);
        return -1;
    }
#else
    // (In the browser flock succeeds without locking: one page, one game.)
    while (flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        close(fd);
        return -1;
    }
#endif
    return fd;
}

void UnlockKeptFile(int handle) {
    if (handle < 0) return;
#ifdef _WIN32
    OVERLAPPED at{};
    UnlockFileEx(HANDLE(_get_osfhandle(handle)), 0, MAXDWORD, MAXDWORD, &at);
#else
    flock(handle, LOCK_UN);
#endif
    close(handle);
}

const char* ReplaceFileAtomically(const std::string& path, const std::string& text) {
    if (!MakeFolders(FolderOf(path))) return "cannot make its folder";
    std::string tmp = path + kTmpMark + std::to_string(getpid());
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | kOpenFlags, 0644);
    if (fd < 0) return std::strerror(errno);
    const char* why = nullptr;
    if (!WriteAll(fd, text) || !SyncFileToDisk(fd)) why = std::strerror(errno);
    if (close(fd) != 0 && !why) why = std::strerror(errno);
    if (!why && !MoveFileOver(tmp.c_str(), path.c_str())) why = "cannot be replaced";
    if (why) unlink(tmp.c_str());
    return why;
}

void RemoveStaleTemporaries(const std::string& path) {
    std::string dir = FolderOf(path);
    std::string prefix = NameOf(path) + kTmpMark;
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        std::string digits = name.substr(prefix.size());
        if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        long pid = std::atol(digits.c_str());
        // Our own is never stale; a writer that runs still may finish.
        if (pid == long(getpid()) || ProcessMayRun(pid)) continue;
        unlink((dir + "/" + name).c_str());
    }
    closedir(d);
}

bool KeepDamagedFile(const std::string& path) {
    std::string aside = path + ".damaged";
    struct stat st {};
    // A directory left there by an earlier move goes only when empty.
    if (stat(aside.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) rmdir(aside.c_str());
    return MoveFileOver(path.c_str(), aside.c_str());
}
