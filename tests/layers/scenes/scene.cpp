#include "app/shell.h"

void GameSceneByName() {}
