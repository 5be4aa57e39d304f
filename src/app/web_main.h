// The game's start in a web page (the browser build's main).
#pragma once

// Parses the options the page passed, starts the run and hands the loop to
// the browser's frame callback; returns at once. The page's script learns
// the run's start and end through Module.tolvaneStarted and tolvaneEnded.
int RunWebGame(int argc, char** argv);
