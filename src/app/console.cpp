#include "app/console.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

namespace {
bool Redirected(DWORD which) {
    HANDLE h = GetStdHandle(which);
    return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}
}  // namespace

void UseStartingConsole() {
    const bool out = Redirected(STD_OUTPUT_HANDLE), err = Redirected(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!out) std::freopen("CONOUT$", "w", stdout);
    if (!err) std::freopen("CONOUT$", "w", stderr);
}
#else
void UseStartingConsole() {}
#endif
