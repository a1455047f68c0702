// Table square root used for every distance in the game (see fast_sqrt.cpp).
#pragma once

namespace aw {

// Builds the 65,536-entry table; idempotent (it also runs before main).
void initFastSqrt();
// Relative error below 1.6e-5 for positive normal floats; 0 for 0 and below.
float fastSqrt(float x);

} // namespace aw
