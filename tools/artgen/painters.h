// Every picture family; each painter writes its pictures into the sink.
#pragma once

#include "output.h"

namespace art {

void paintFigures(Sink& sink);
void paintBoardPieces(Sink& sink);   // tiles, chain, bonus markers
void paintHud(Sink& sink);           // game bar, heart, trophy button, hammer, glows, iris
void paintCandle(Sink& sink);
void paintUiAtlases(Sink& sink);     // menu atlas, balloon, button, arrow, exit sign, cursors, icon
void paintParticles(Sink& sink);
void paintMap(Sink& sink);
void paintArtefacts(Sink& sink);
void paintTrophies(Sink& sink);
void paintScreens(Sink& sink);       // splash, load screen, load bar, map backdrop
void paintLandscape(Sink& sink, int number);

// The directory holding the SVG sources (data/art), overridable for tests.
const char* artSourceDir();
void setArtSourceDir(const char* dir);

}  // namespace art
