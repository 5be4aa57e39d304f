// Frame timings for the benchmark (--bench): thread CPU and wall time of each
// frame, start-up to the first frame, and the process's peak memory.
#pragma once
#include <cstdint>

void BenchStart();
// Marks the beginning and end of one frame tick; `ran` says whether the tick
// ran a frame (the 15-ms gate may skip it).
void BenchFrameBegin();
void BenchFrameEnd(bool ran);
// One line on standard output, its fields always in the same order.
void BenchReport(long long gameMs);
