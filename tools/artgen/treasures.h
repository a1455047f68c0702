// The fifteen treasures of the map's stages, drawn at any size.
#pragma once

#include "image.h"

namespace art {

const int kTreasureCount = 15;

// Draws treasure n (0..14) centred on (cx, cy) fitting a square of side size.
void drawTreasure(cairo_t* cr, int n, double cx, double cy, double size);

}  // namespace art
