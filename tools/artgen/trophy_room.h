// The trophy grotto (landscape 17) and the room layout "trophyes/trophy.cfg"
// drawn from one plan, so every trophy stands on a shelf or plinth that the
// painting shows. Coordinates are painting pixels (origin top left, y down).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace art::room {

constexpr int kTrophies = 17;
// The trophy pictures are this size, with their foot this far above the
// picture's bottom edge (trophies.cpp paints them so).
constexpr double kPictureSize = 64;
constexpr double kFootMargin = 8;

// A board the trophies stand on: a wooden shelf in a wall niche, or the cap
// of a stone plinth on the floor.
struct Stand {
    double x0, x1;   // the standing surface
    double top;      // its y
    bool plinth;
};

struct Spot {
    double x;        // centre of the trophy
    double footY;    // the surface it stands on
    double scale;
    int stand;       // index into stands()
};

const std::vector<Stand>& stands();
// Trophy number 1..17.
Spot spot(int number);

// The waterfall seen through the opening (its moving water is scenery
// behind the painting: data/scenery/landscape17.txt places it here too).
constexpr double kFallX = 455, kFallTop = 66, kFallBottom = 364, kFallWidth = 36;

// The props of the painting: walls round the opening, floor, niches,
// shelves, plinths, torches.
void paintRoom(cairo_t* cr);

// The bytes of "trophy.cfg": each trophy centred over its spot at its scale.
std::vector<uint8_t> layoutFile();

}  // namespace art::room
