// Painted objects placed on the landscapes and screens: trees, towers,
// ships and the like, all lit from the upper left.
#pragma once

#include "image.h"

namespace art::props {

void tree(cairo_t* cr, double x, double groundY, double size, Rgb leaves, uint32_t seed);
void pine(cairo_t* cr, double x, double groundY, double height, Rgb needles);
void palm(cairo_t* cr, double x, double groundY, double height, double lean);
void castle(cairo_t* cr, double x, double groundY, double s, Rgb wall, Rgb roof);
void pyramid(cairo_t* cr, double x, double groundY, double width, Rgb stone);
void windmill(cairo_t* cr, double x, double groundY, double s);
void ship(cairo_t* cr, double x, double waterY, double s);
void ruins(cairo_t* cr, double x, double groundY, double s, Rgb stone);
void lighthouse(cairo_t* cr, double x, double groundY, double s);
void rock(cairo_t* cr, double x, double groundY, double w, double h, Rgb stone, uint32_t seed);
void chest(cairo_t* cr, double x, double groundY, double s);
void birds(cairo_t* cr, double x, double y, double s, int count, uint32_t seed);

}  // namespace art::props
