#include "stage/game_rand.h"

#include <cstdint>

namespace {

// Linear congruential generator; unsigned arithmetic wraps at 32 bits.
constexpr uint32_t kSeed = 1;
uint32_t s_RandState = kSeed;

}  // namespace

int GameRand() {
    s_RandState = s_RandState * 214013u + 2531011u;
    return int((s_RandState >> 16) & 0x7FFFu);
}

void RewindGameRand() { s_RandState = kSeed; }
