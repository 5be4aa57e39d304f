// Scenes whose screens are not built yet: each init moves on to its frame,
// and the frame draws nothing. Entries leave this file as they are built.
#include "app/scenes.h"

