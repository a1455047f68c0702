#include "effects/strands.h"

#include "core/random.h"
#include "render/render_states.h"
#include "render/sprites.h"

#include <cmath>

namespace aw {
namespace {

constexpr float kDegrees = 0.017453292f;

struct Strand {
    Vec3 points[kMaxStrandPoints];
    int count = 0;
    float jaggedWidth = 0, straightWidth = 0;
    Color jagged, straight;
};

// One frame's list; the records are reused every frame.
Strand strands[kMaxStrands];
int count = 0;

} // namespace

void addStrand(Vec2 from, Vec2 to, float step, float jaggedWidth, float straightWidth, float jitter, Color jagged,
               Color straight) {
    if (count >= kMaxStrands) return;
    Strand& s = strands[count++];
    s.jaggedWidth = jaggedWidth;
    s.straightWidth = straightWidth;
    s.jagged = jagged;
    s.straight = straight;

    Vec3 a = from.toVec3(), d = (to - from).toVec3();
    float length = std::sqrt(d.x * d.x + d.y * d.y);
    int n = step > 0 && std::isfinite(length / step) ? int(length / step) + 1 : 2;
    if (n < 2) n = 2; // a strand always joins its two ends
    if (n > kMaxStrandPoints) {
        n = kMaxStrandPoints;
        step = length / kMaxStrandPoints;
    }
    Vec3 along = length > 0 ? d * (1.0f / length) : Vec3{1, 0, 0};
    // Two axes across the strand: one in the screen plane, one towards the viewer.
    Vec3 across{-along.y, along.x, 0};
    Vec3 depth = along.cross(across);
    s.count = n;
    s.points[0] = a;
    s.points[n - 1] = to.toVec3();
    for (int i = 1; i < n - 1; ++i) {
        float turn = randomSigned(180) * kDegrees;
        Vec3 dir = across * std::cos(turn) + depth * std::sin(turn);
        s.points[i] = a + along * (step * float(i)) + dir * randomSigned(jitter);
    }
}

void drawStrands(const TextureRecord* flare) {
    if (count == 0) return;
    setTexture(flare);
    enableFeature(4);
    disableFeature(2);
    setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
    setRenderState(RS_DESTBLEND, kBlendOne);
    for (int k = 0; k < count; ++k) {
        const Strand& s = strands[k];
        for (int i = 0; i + 1 < s.count; ++i) drawBeam(s.points[i], s.points[i + 1], s.jaggedWidth, s.jagged);
        drawBeam(s.points[0], s.points[s.count - 1], s.straightWidth, s.straight);
    }
    setBlendMode(0);
    count = 0;
}

int strandCount() { return count; }
int strandPointCount(int strand) { return strand >= 0 && strand < count ? strands[strand].count : 0; }
Vec3 strandPoint(int strand, int point) {
    if (strand < 0 || strand >= count || point < 0 || point >= strands[strand].count) return {};
    return strands[strand].points[point];
}
void clearStrands() { count = 0; }

} // namespace aw
