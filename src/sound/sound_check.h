// Structure checks that a sound file passes before it reaches a decoder or
// the synthesizer: a damaged file must fail to load, never hang or crash
// the game. Each returns nullptr when the file is sound, else why not.
#pragma once
#include <cstddef>
#include <cstdint>

// Standard MIDI file: the header chunk (length 6, format 0/1/2, track count,
// ticks-per-beat timing), the track chunks one after another within the
// file (no chunks of other kinds between them) and each track's
// events well formed up to its end-of-track event (meta events of fixed size
// at their size), with some playing time.
const char* MidiProblem(const uint8_t* data, size_t size);

// RIFF wave: a format chunk with sane channels and rate, and a data chunk
// that lies within the file.
const char* WaveProblem(const uint8_t* data, size_t size);

constexpr size_t kMaxMidiBytes = size_t(1) << 20;
constexpr size_t kMaxWaveBytes = size_t(32) << 20;
