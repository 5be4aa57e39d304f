#include "app/app.h"

int main(int argc, char** argv) {
    AppOptions opts;
    int parsed = ParseOptions(argc, argv, opts);
    if (parsed == -1) return 0;  // --help
    if (parsed != 0) return parsed;
    return RunGame(opts);
}
