// The fatal error's message as the system's message box shows it: the
// game's Japanese words with an English line beside them, so that the box
// is readable on a desktop without Japanese fonts.
#pragma once
#include <string>

std::string ErrorMessageForBox(const char* text);
