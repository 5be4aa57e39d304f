// The game's entry: hands over the game's tables, then runs the app.
#include "app/app.h"
#include "scenes/game_scenes.h"

int main(int argc, char** argv) {
    InstallGameTables();
    return AppMain(argc, argv);
}
