// Whole numbers from command-line options and script words.
#pragma once

// Reads s as a decimal integer within [lo, hi]; false for an empty word,
// trailing characters, overflow or a value out of range (out is unchanged).
bool ParseInt(const char* s, long long lo, long long hi, long long& out);
