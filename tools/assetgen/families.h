// One generator per scene family. Each writes its own files through Output
// and draws with the shared framework (canvas, text, palette, figures,
// scenery, midi, wav, synth) so that everything looks and sounds like one
// game. Add a family: write gen_<family>.cpp, declare it here, list it in
// main.cpp.
#pragma once

namespace ag {

class Output;

void genOpening(Output& out);   // maker logo, game logo, footprints, window icon
void genPrologue(Output& out);  // the prologue's frame, scrolling pictures and music bed
void genFaces(Output& out);    // the portrait sheet shared by the prologue and the talk scenes
void genStageSheets(Output& out);  // chip sheets, the character sheet and the stage effects
void genMusic(Output& out);     // the seven looping tunes (title, stages, ending)
void genSounds(Output& out);    // stage effects, the clear fanfare, the title chime, the game-over sting
void genCues(Output& out);      // the dialogue scenes' sound cues
void genHud(Output& out);      // brush, lettering, stage panels and backgrounds, title, talk window
void genFrontend(Output& out); // menus, help, stage select, game over, endings
void genSoundFont(Output& out); // the quiet soundfont headless runs play their tunes through

}  // namespace ag
