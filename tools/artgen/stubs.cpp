#include "painters.h"
#include "docs.h"
namespace art {
void paintHud(Sink&) {}
void paintCandle(Sink&) {}
void paintUiAtlases(Sink&) {}
void paintParticles(Sink&) {}
void paintMap(Sink&) {}
void paintArtefacts(Sink&) {}
void paintTrophies(Sink&) {}
void paintScreens(Sink&) {}
const char* artSourceDir() { return ""; }
void setArtSourceDir(const char*) {}
}
