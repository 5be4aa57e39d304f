// A tune rendered at build time (ogg/<name>.ogg beside mid/<name>.mid) plays
// in place of live synthesis when it was made from the very MIDI bytes the
// game was asked to play: the rendering names them by hash in its
// TOLVANE_MIDI comment.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// FNV-1a (64 bits) of a tune's bytes.
uint64_t TuneHash(const uint8_t* data, size_t size);

// The rendering's path for a tune's path ("…/mid/x.mid" → "…/ogg/x.ogg");
// empty when the tune is not in a folder.
std::string RenderingPath(const std::string& tunePath);

// True when the Ogg Vorbis bytes carry a comment header whose TOLVANE_MIDI
// entry is this hash (16 hex digits); false for anything else, damaged
// streams included.
bool RenderingMatches(const uint8_t* ogg, size_t size, uint64_t tuneHash);

constexpr size_t kMaxRenderingBytes = size_t(32) << 20;
