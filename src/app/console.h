// Where the program's messages go when it is started from a console.
#pragma once

// On Windows the game is a windowed program without a console of its own
// (none pops up for a player); started from a console, it writes its
// messages (--help, errors, a log to "-") there unless they are redirected.
// Elsewhere standard output and error are already the terminal's.
void UseStartingConsole();
