// The fatal error's message as the system's message box shows it: the
// game's Japanese words with an English line beside them, so that the box
// is readable on a desktop without Japanese fonts.
#pragma once
#include <string>

struct SDL_Window;

std::string ErrorMessageForBox(const char* text);

// Shows text in an error box over `owner` (may be null) until the player
// closes it; false when no box could be shown. On Windows it is the
// system's own message box (SDL's there is a dialog of its own making), the
// game's window hidden first; elsewhere SDL's, over the window.
bool ShowErrorBox(SDL_Window* owner, const char* text);
