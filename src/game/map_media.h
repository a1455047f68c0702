// The map's pictures: the chart, its backdrop, frame and compass, the marks
// and stars, each stage's small and large artefact, the ten fragment covers
// and masks, and the pieces of the shown stage's artefact (its picture seen
// through each mask). Also the miniature of the selected level's board.
//
// Lifetime: the pictures are loaded once (setUpMapMedia) and kept for the
// run; the pieces are redrawn whenever the panel shows another stage; the
// miniature is read again when the selected level changes.
#pragma once
#include "board/level_file.h"
#include "game/map_state.h"

#include <string>

namespace aw {

struct TextureRecord;

struct MapMedia {
    TextureRecord* chart = nullptr;    // "megamap.jpg"
    TextureRecord* backdrop = nullptr; // "mapback.jpg", 800 x 600
    TextureRecord* frame = nullptr;    // "mapback1.tga"
    TextureRecord* compass = nullptr;  // "mapback2.tga"
    TextureRecord* start = nullptr;    // "_a_mapstart.jpg"
    TextureRecord* levelMark = nullptr, *stageMark = nullptr, *star = nullptr;
    TextureRecord* unknownArtefact = nullptr; // "mapartefact_q.tga"
    TextureRecord* smallArt[kStageCount] = {};
    TextureRecord* art[kStageCount] = {};       // "art%.2i.jpg", or the stand-in
    TextureRecord* standIn = nullptr;           // "zaglushka.jpg"
    TextureRecord* cover[kFragmentCount] = {};  // cover colour, mask alpha
    TextureRecord* mask[kFragmentCount] = {};
    TextureRecord* piece[kFragmentCount] = {};  // art of piecesStage through mask i
    int piecesStage = -1;
    // The artefact panel in one picture: the stand-in under the covers of
    // the pieces still to come and the pieces already shown.
    TextureRecord* panel = nullptr;
    int panelKey = -1;
    // The selected level's board, one 8-pixel cell per board cell.
    TextureRecord* miniature = nullptr;
};

// The miniature picture's layout: a margin, then the cells.
constexpr int kMiniatureCell = 8, kMiniatureMargin = 3;
constexpr int kMiniatureWidth = kMiniatureCell * kColumns + 2 * kMiniatureMargin;
constexpr int kMiniatureHeight = kMiniatureCell * kRows + 2 * kMiniatureMargin;
const MapMedia& mapMedia();

// Loads every map picture (the chart, backdrop, frame, compass, start and
// marks are required; artefact files missing on disk take the stand-in),
// then measures the chart and where each fragment sits in its mask.
// dataDirectory is made current again afterwards.
void setUpMapMedia(const std::string& dataDirectory);
// Tests: pictures made elsewhere.
void setMapMedia(const MapMedia& media);
// The pieces of a stage's artefact, drawn from its picture and the masks
// (nothing when they already show that stage).
void prepareArtefactPieces(int stage);
// The panel picture of a stage with the pieces of shownMask (bit i: piece i)
// in place; redrawn only when the stage or the mask changes.
const TextureRecord* prepareArtefactPanel(int stage, unsigned shownMask);
// The centre of the texels whose blue byte is lit, 0..1 from the top left;
// the middle when none is.
Vec2 maskCentre(const TextureRecord* mask);

// The board of the selected level, as its level file lays it out.
struct Miniature {
    int level = -1;
    bool valid = false;
    LevelLayout layout;
};
// Reads the level's file when it is not the one already held, and paints
// the miniature picture (kMiniatureWidth x kMiniatureHeight from its top left).
const Miniature& miniatureFor(int level);

void resetMapMedia();

} // namespace aw
