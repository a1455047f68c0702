// Lightning strands: jagged beams between two points, collected during a
// frame and drawn together with "flare.jpg" after the board.
//
// Lifetime: the list holds one frame's strands; drawStrands() empties it.
#pragma once
#include "core/color.h"
#include "core/vec.h"

namespace aw {

struct TextureRecord;

constexpr int kMaxStrands = 511;
constexpr int kMaxStrandPoints = 99;

// Appends a strand (dropped when the list is full): points every step units
// from `from` to `to`, each between displaced up to jitter across the line.
void addStrand(Vec2 from, Vec2 to, float step, float jaggedWidth, float straightWidth, float jitter, Color jagged,
               Color straight);
// Each strand as beams between its points, then one straight beam over it.
void drawStrands(const TextureRecord* flare);

int strandCount();
int strandPointCount(int strand);
Vec3 strandPoint(int strand, int point);
void clearStrands();

} // namespace aw
