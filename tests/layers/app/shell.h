// A lower layer that names a game function: the layer check must refuse it.
#pragma once
void GameSceneByName();
