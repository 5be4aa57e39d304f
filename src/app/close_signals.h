// SIGTERM and SIGINT close the game the way its close box does: the loop
// ends after the current tick and the normal exit sequence runs. On Windows
// the console's Ctrl+C and Ctrl+Break count as SIGINT, closing the console
// as SIGTERM.
#pragma once

// Installs the handlers; a second signal of the same kind ends the program
// at once, in case the exit sequence itself hangs.
void InstallCloseSignals();
void RemoveCloseSignals();
// The signal that asked to close (0 when none), cleared by the call.
int TakeCloseSignal();

// While a modal box holds the program (the fatal error's), the loop cannot
// take a signal: until EndModalSignals, a close signal ends the program at
// once with `status` (buffered output should be flushed before).
void BeginModalSignals(int status);
void EndModalSignals();
