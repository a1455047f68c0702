// Faceted jewels lit from the upper left: the look shared by the figures,
// bonus markers, trophies and map marks.
#pragma once

#include "image.h"

#include <vector>

namespace art {

struct Pt {
    double x = 0, y = 0;
};

// Outlines around (0, 0) with a radius of about 1, clockwise on screen.
std::vector<Pt> outlineCircle(int points = 48);
std::vector<Pt> outlineTeardrop();
std::vector<Pt> outlineStepCut();     // square with cut corners
std::vector<Pt> outlineHexagon();
std::vector<Pt> outlineKite();       // tall diamond
std::vector<Pt> outlineHeart();
std::vector<Pt> outlineStar(int arms = 5, double inner = 0.45);
std::vector<Pt> outlineTrillion();   // triangle with softly rounded corners
std::vector<Pt> outlineCrown();
std::vector<Pt> outlineShield();

struct GemStyle {
    Rgb color;
    // Rings of facets: scales of the inner outlines; empty = pyramid facets
    // meeting at the centre.
    std::vector<double> rings = {0.56};
    double outline = 1.6;     // ink outline width in pixels
    double shadow = 0.35;     // drop shadow alpha
    double contrast = 1.0;    // facet light/dark spread
};

// Transform: centre, radius in pixels, rotation (radians), x squash.
struct GemPose {
    double cx = 0, cy = 0, radius = 26, angle = 0, squash = 1;
};

std::vector<Pt> posed(const std::vector<Pt>& outline, const GemPose& pose);
void pathOf(cairo_t* cr, const std::vector<Pt>& pts);

// Draws the jewel; returns nothing, leaves the cairo state as it found it.
void drawGem(cairo_t* cr, const std::vector<Pt>& outline, const GemPose& pose, const GemStyle& style);

// A light band sweeping over the clipped outline; position -1..1 across it.
void drawGlint(cairo_t* cr, const std::vector<Pt>& pts, double cx, double cy, double radius,
               double position, double strength = 0.8);

// Four-pointed twinkle.
void drawSparkle(cairo_t* cr, double x, double y, double size, double alpha);

// Soft shadow: several offset fills.
void drawSoftShadow(cairo_t* cr, const std::vector<Pt>& pts, double dx, double dy, double alpha);

}  // namespace art
