// A web page starts the game with only the data its first scenes need; the
// rest arrives in packs while it plays (web/packs.js). A scene whose files
// have not all arrived waits, as a pause does: no game frame runs, the game
// clock and the music stand still and a loading card is shown, so the game
// never sees a missing file. Elsewhere every file is there from the start.
#pragma once

// True while the files of scene's start (SceneStartFor) are still on the way.
bool SceneDataAwaited(int scene);
