#include "app/close_signals.h"

#include <signal.h>
#include <unistd.h>

#ifdef _WIN32
#include <windows.h>

// Ctrl+C, Ctrl+Break and closing the console arrive on a thread of their
// own. Ctrl+C and Ctrl+Break count as SIGINT, the console's close as
// SIGTERM; the system ends the program when the handler returns from a
// close, so the handler waits there (at most the system's five seconds)
// for the exit sequence to finish.
namespace {
volatile LONG s_Signal = 0;
volatile LONG s_Interrupts = 0;
volatile LONG s_ModalStatus = -1;  // >= 0: a modal box is up
HANDLE s_Ended = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    bool close = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT ||
                 event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
    if (close && s_ModalStatus >= 0) ExitProcess(UINT(s_ModalStatus));
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        // The second interrupt takes the default action: the end at once.
        if (InterlockedIncrement(&s_Interrupts) > 1) return FALSE;
        InterlockedExchange(&s_Signal, SIGINT);
        return TRUE;
    }
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        InterlockedExchange(&s_Signal, SIGTERM);
        if (s_Ended) WaitForSingleObject(s_Ended, 4500);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

void InstallCloseSignals() {
    s_Signal = 0;
    s_Interrupts = 0;
    if (!s_Ended) s_Ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (s_Ended) ResetEvent(s_Ended);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void RemoveCloseSignals() {
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    if (s_Ended) SetEvent(s_Ended);
}

int TakeCloseSignal() { return int(InterlockedExchange(&s_Signal, 0)); }

#else

namespace {
volatile sig_atomic_t s_Signal = 0;
volatile sig_atomic_t s_ModalStatus = -1;  // >= 0: a modal box is up
struct sigaction s_OldTerm, s_OldInt;

void OnCloseSignal(int sig) {
    if (s_ModalStatus >= 0) _exit(s_ModalStatus);
    s_Signal = sig;
}
}  // namespace

void InstallCloseSignals() {
    s_Signal = 0;
    struct sigaction sa {};
    sa.sa_handler = OnCloseSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND;  // the second signal takes the default action
    sigaction(SIGTERM, &sa, &s_OldTerm);
    sigaction(SIGINT, &sa, &s_OldInt);
}

void RemoveCloseSignals() {
    sigaction(SIGTERM, &s_OldTerm, nullptr);
    sigaction(SIGINT, &s_OldInt, nullptr);
}

int TakeCloseSignal() {
    int sig = s_Signal;
    s_Signal = 0;
    return sig;
}

#endif

void BeginModalSignals(int status) { s_ModalStatus = status; }
void EndModalSignals() { s_ModalStatus = -1; }
