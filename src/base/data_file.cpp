#include "base/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#ifdef _WIN32
// No FIFOs or terminals to block on there; binary, so no byte is translated.
constexpr int kReadFlags = O_RDONLY | O_BINARY | O_NOINHERIT;
#else
// Non-blocking: opening a FIFO for reading must not wait for a writer.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
#endif

namespace {
void (*s_Watch)(const char*) = nullptr;
}

void SetDataFileWatcher(void (*watch)(const char* path)) { s_Watch = watch; }

void NoteDataFileUse(const char* path) {
    if (s_Watch) s_Watch(path);
}

const char* ReadDataFile(const char* path, std::vector<uint8_t>& out, size_t maxBytes) {
    out.clear();
    int fd = open(path, kReadFlags);
    if (fd < 0) return errno == ENOENT ? "no such file" : "cannot be opened";
    NoteDataFileUse(path);
    struct stat st {};
    const char* why = nullptr;
    if (fstat(fd, &st) != 0)
        why = "cannot be opened";
    else if (!S_ISREG(st.st_mode))
        why = S_ISDIR(st.st_mode) ? "a directory, not a file" : "not a regular file";
    else if (st.st_size <= 0)
        why = "empty file";
    else if (uint64_t(st.st_size) > maxBytes)
        why = "file too big";
    if (!why) {
        out.resize(size_t(st.st_size));
        size_t got = 0;
        while (got < out.size()) {
            ssize_t n = read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += size_t(n);
        }
        // A file that shrank while being read is as bad as a damaged one.
        if (got != out.size()) why = "cannot be read whole";
    }
    close(fd);
    if (why) out.clear();
    return why;
}
