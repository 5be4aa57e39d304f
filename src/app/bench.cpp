#include "app/bench.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "sound/sound.h"

namespace {

struct BenchState {
    std::vector<uint32_t> cpuUs, wallUs;
    double start = 0, frameCpu = 0, frameWall = 0, firstFrame = -1;
};
BenchState g_Bench;

#ifdef _WIN32
double WallSeconds() {
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return double(now.QuadPart) / double(freq.QuadPart);
}

double ThreadCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
    auto ticks = [](const FILETIME& t) { return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime); };
    return (ticks(kernel) + ticks(user)) * 1e-7;  // 100 ns ticks
}

long PeakMemoryKb() {
    PROCESS_MEMORY_COUNTERS pmc{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) return 0;
    return long(pmc.PeakWorkingSetSize / 1024);
}
#else
#ifdef __EMSCRIPTEN__
// A page has no CPU clock; its one thread's frame is the wall time it takes.
constexpr clockid_t kCpuClock = CLOCK_MONOTONIC;
#else
constexpr clockid_t kCpuClock = CLOCK_THREAD_CPUTIME_ID;
#endif

double Seconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}
double WallSeconds() { return Seconds(CLOCK_MONOTONIC); }
double ThreadCpuSeconds() { return Seconds(kCpuClock); }

long PeakMemoryKb() {
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss;
}
#endif

uint32_t Percentile(std::vector<uint32_t> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

}  // namespace

void BenchStart() {
    g_Bench = BenchState{};
    g_Bench.cpuUs.reserve(1 << 16);
    g_Bench.wallUs.reserve(1 << 16);
    g_Bench.start = WallSeconds();
}

void BenchFrameBegin() {
    g_Bench.frameCpu = ThreadCpuSeconds();
    g_Bench.frameWall = WallSeconds();
}

void BenchFrameEnd(bool ran) {
    if (!ran) return;
    double wall = WallSeconds();
    if (g_Bench.firstFrame < 0) g_Bench.firstFrame = wall - g_Bench.start;
    g_Bench.cpuUs.push_back(uint32_t((ThreadCpuSeconds() - g_Bench.frameCpu) * 1e6));
    g_Bench.wallUs.push_back(uint32_t((wall - g_Bench.frameWall) * 1e6));
}

void BenchReport(long long gameMs) {
    double wall = WallSeconds() - g_Bench.start;
    // The slowest frame after the first: in a stage with a reset, its restart.
    uint32_t slowest = 0, slowestCpu = 0;
    for (size_t i = 1; i < g_Bench.wallUs.size(); ++i) {
        slowest = std::max(slowest, g_Bench.wallUs[i]);
        slowestCpu = std::max(slowestCpu, g_Bench.cpuUs[i]);
    }
    const TuneTimes tunes = GetTuneTimes();  // none on a silent device
    std::printf("bench frames=%zu cpu_median_us=%u cpu_p99_us=%u first_frame_ms=%.1f slowest_later_ms=%.1f "
                "slowest_later_cpu_ms=%.1f game_ms=%lld wall_ms=%.0f peak_rss_kb=%ld tunes_heard=%d tune_latest_ms=%.1f\n",
                g_Bench.cpuUs.size(), Percentile(g_Bench.cpuUs, 0.5), Percentile(g_Bench.cpuUs, 0.99),
                g_Bench.firstFrame * 1e3, slowest / 1e3, slowestCpu / 1e3, gameMs, wall * 1e3, PeakMemoryKb(), tunes.heard,
                tunes.worstMs);
}
