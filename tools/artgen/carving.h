// Carved wood, gold rims and plaques: the frame language of the HUD and menus.
#pragma once

#include "image.h"

namespace art {

// Wood grain filling the current path's clip region over (x, y, w, h).
void woodFill(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, Rgb base);
// A gold rim (stroke) along the current path: dark edge, lit line on top.
void goldRim(cairo_t* cr, double width);
// A recessed dark plaque with a gold rim, for text.
void plaque(cairo_t* cr, double x, double y, double w, double h, double r);
// A small jewel-like gold boss.
void boss(cairo_t* cr, double x, double y, double r, Rgb jewel);

}  // namespace art
