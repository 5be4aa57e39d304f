// The player's pause (P, the gamepad's Start) and the key card (F2 or ?).
// While either is up, or the window has lost the focus or is minimised, no
// game frame runs: the game clock and the music stand still, and a calm card
// is drawn over the last picture, dimmed. Pauses come from input events, so a
// recording replays them exactly.
#pragma once

void TogglePause();
void ToggleKeyCard();
bool PausedByPlayer();  // the pause or the key card is up
bool KeyCardShown();
void ResetPause();

// One frame while paused, drawn instead of the game's: the kept picture
// dimmed, the card (the key card when it is up), and the shell's note.
// focusLost: paused by the window alone (no key resumes it).
void DrawPausedFrame(bool focusLost);

// One frame while a scene's data is still arriving (a web page): the kept
// picture dimmed, and a small loading card.
void DrawLoadingFrame();
