// A seeded generator of damaged data files: for case n of a seed it picks a
// game data file and one way of damaging it (empty, cut short, random bytes,
// flipped bits, crafted headers, or a directory or FIFO in its place).
// The same seed and index always give the same case.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class FuzzShape { File, Directory, Fifo };

struct FuzzTarget {
    const char* path;  // relative to the data folder
    int scene;         // an init that loads it
};

struct FuzzCase {
    const FuzzTarget* target = nullptr;
    std::string what;  // the damage, for the report ("bit flips x3", ...)
    FuzzShape shape = FuzzShape::File;
    std::vector<uint8_t> bytes;
};

const std::vector<FuzzTarget>& FuzzTargets();

// original: the target's undamaged bytes.
FuzzCase MakeFuzzCase(uint64_t seed, uint64_t index, const std::vector<uint8_t>& original);
// The target case `index` damages (chosen before its bytes are needed).
const FuzzTarget& FuzzTargetOf(uint64_t seed, uint64_t index);
