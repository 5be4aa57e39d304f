// The data log (--data-log FILE): one line for each data file a scene reads,
// "SCENE PATH", SCENE being the start of the scene whose tick read it (-1:
// start-up, or a frame drawn while paused). The browser build plays the
// replays natively with it to learn which files each scene needs
// (scripts/web-packs.py).
#pragma once

// A failed open is said on stderr (status 2, as for the trace).
bool OpenDataLog(const char* path);
// The scene whose tick runs from now (its start is written), -1 between ticks.
void SetDataLogScene(int scene);
// False when a line could not be written.
bool CloseDataLog();
