// The game-over screen, shown when the last life is lost.
#pragma once

extern int g_GameOverSound;  // play-once counter of the game-over sting

// The game-over scenes.
void Gameoverinit();
void Gameoverframe();
