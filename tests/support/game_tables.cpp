// In-process tests run the game's scenes, stages and trace fields, as the
// program does.
#include "scenes/game_scenes.h"

namespace {
const bool kHanded = (InstallGameTables(), true);
}
