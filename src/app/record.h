// Recorded play (--record FILE): every input of a run written as an input
// script that replays the same run exactly headless. Each event is stamped
// with the game time of the frame that first sees it.
#pragma once
#include <cstdint>
#include <string>

// Opens the file ("-": standard output) and writes its head (how to replay
// it); false when either failed. startMs: the game clock at the run's
// start; stamps count from it. A later write that fails ends the run with
// status 1, naming the file; StopRecording returns false when one did.
bool StartRecording(const std::string& path, uint32_t startMs, int startScene, const char* lang);
bool StopRecording();
// Whether inputs are written down: a recording or a take is open.
bool Recording();

// One event, as a script line's words after the time ("move 10 20",
// "press left", "keydown space", "quit").
void RecordEvent(const char* words);

// The take: the inputs of the stage try under way, kept in memory from the
// tick its stage's init runs and stamped from that tick, from which the
// replay of a clear is made. Moves a frame does not see (a later move with
// the same stamp follows) are left out; a take that outgrows its bound is
// dropped (nothing is kept of that try).
void StartTake(uint32_t startMs);
void DropTake();
bool TakeOpen();
// The take's script lines ("T event ...\n").
const std::string& TakeLines();
