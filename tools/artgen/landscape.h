// The procedural landscape painter shared by the 18 backgrounds, the splash
// screens and the map backdrop.
#pragma once

#include "image.h"

#include <functional>
#include <vector>

namespace art {

enum class RidgeShape { Hills, Mountains, Dunes, Flat, Water, Cliff };

struct Ridge {
    RidgeShape shape = RidgeShape::Hills;
    double base = 400;       // mean top line in pixels
    double amp = 40;         // height variation
    double freq = 1.0;       // features across the picture
    uint32_t seed = 1;
    Rgb top, bottom;         // colour at the top line and at the picture bottom
    double haze = 0;         // blend towards the horizon colour
    double texture = 0.08;   // noise strength of the surface
    double tilt = 0;         // top line rises by this much from left to right
    Rgb snow{};              // mountains: caps above snowLine (when snowLine > 0)
    double snowLine = 0;
};

struct Scene {
    int w = 800, h = 600;
    Rgb skyTop, skyHorizon;
    double horizon = 330;           // where the sky gradient ends
    double sunX = 150, sunY = 90;   // upper left: the light of every picture
    Rgb sunColor{1, 0.93, 0.7};
    double sunGlow = 0.6;
    double clouds = 0.5;            // 0 = clear
    Rgb cloudColor{1, 0.98, 0.94};
    double stars = 0;               // night skies
    std::vector<Ridge> ridges;      // far to near
    double vignette = 0.35;
    double waterAlpha = 100;        // mask value over water (0 = transparent)
    double skyAlpha = 0;            // mask value over sky
    uint32_t seed = 1;
    using Painter = std::function<void(cairo_t*, const std::vector<std::vector<double>>&)>;
    // Water let into the ground after the ridges, given the ridge tops:
    // pools and brooks end at the water alpha (the flowing water behind shows
    // through), falls at fallAlpha (the falling water shows almost whole).
    // Paint them in their own colour; coverage is the painted alpha.
    Painter pools, falls;
    double fallAlpha = 40;
    Rgb poolTop = hex(0x4A90B8), poolBottom = hex(0x2E5E80); // water colour where no ridge is water
    // Objects painted on top, given the ridge top of each column and ridge.
    Painter props;
};

// The ridge tops of each column of each ridge, as the painters receive them.
std::vector<std::vector<double>> ridgeTops(const Scene& scene);

// Paints the scene: colour everywhere (the sky stays painted under the
// mask), alpha = the show-through mask.
Image paintScene(const Scene& scene);

}  // namespace art
