#include "app/close_signals.h"

#include <signal.h>

namespace {
volatile sig_atomic_t s_Signal = 0;
struct sigaction s_OldTerm, s_OldInt;

void OnCloseSignal(int sig) { s_Signal = sig; }
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
