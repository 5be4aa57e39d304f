#include "base/parse_int.h"

#include <cerrno>
#include <cstdlib>

bool ParseInt(const char* s, long long lo, long long hi, long long& out) {
    if (!s || !*s) return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s, &end, 10);
    if (errno || *end || v < lo || v > hi) return false;
    out = v;
    return true;
}
