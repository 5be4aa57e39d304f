// The game's pseudo-random numbers. Never seeded: every run draws the same
// sequence, so the sprays look the same each time the game is played.
#pragma once

constexpr int kGameRandMax = 32767;

// The next value of the sequence, 0..32767.
int GameRand();

// Starts the sequence again from its first value (for tests).
void RewindGameRand();
