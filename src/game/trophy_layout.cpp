#include "game/trophy_layout.h"

#include "persistence/binary_fields.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "resources/registry.h"

#include <cmath>
#include <cstring>

namespace aw {
namespace {

TrophyLayout layout;
std::string layoutPath;

} // namespace

TrophyLayout& trophyLayout() { return layout; }
TrophyPlace& trophyPlace(int number) {
    return layout.places[number >= 1 && number <= kTrophyCount ? number - 1 : 0];
}

Rect trophyRect(const TrophyPlace& p) {
    return Rect::fromCentre(p.x, p.y, p.width * p.scale, p.height * p.scale);
}

bool decodeTrophyLayout(const uint8_t* bytes, int size, TrophyLayout& out) {
    if (!bytes || size != kTrophyLayoutFileSize) return false;
    TrophyLayout read;
    for (int i = 0; i < kTrophyCount; ++i) {
        const uint8_t* r = bytes + i * kTrophyLayoutRecordSize;
        TrophyPlace& p = read.places[i];
        p.width = getFloat32(r + kLayoutWidthAt);
        p.height = getFloat32(r + kLayoutHeightAt);
        p.x = getFloat32(r + kLayoutXAt);
        p.y = getFloat32(r + kLayoutYAt);
        p.scale = getFloat32(r + kLayoutScaleAt);
        p.hovered = r[kLayoutHoveredAt];
        for (float v : {p.width, p.height, p.x, p.y, p.scale})
            if (!std::isfinite(v)) return false;
        std::memcpy(p.record, r, kTrophyLayoutRecordSize);
    }
    read.fromFile = true;
    out = read;
    return true;
}

void encodeTrophyLayout(const TrophyLayout& in, uint8_t out[kTrophyLayoutFileSize]) {
    for (int i = 0; i < kTrophyCount; ++i) {
        const TrophyPlace& p = in.places[i];
        uint8_t* r = out + i * kTrophyLayoutRecordSize;
        std::memcpy(r, p.record, kTrophyLayoutRecordSize);
        putFloat32(r + kLayoutWidthAt, p.width);
        putFloat32(r + kLayoutHeightAt, p.height);
        putFloat32(r + kLayoutXAt, p.x);
        putFloat32(r + kLayoutYAt, p.y);
        putFloat32(r + kLayoutScaleAt, p.scale);
        // The hovered mark lives in memory; the file keeps the byte it came with.
    }
}

void buildDefaultTrophyLayout(TrophyLayout& out, const int widths[kTrophyCount], const int heights[kTrophyCount]) {
    out = TrophyLayout{};
    for (int i = 0; i < kTrophyCount; ++i) {
        TrophyPlace& p = out.places[i];
        p.x = 44.705883f * float(i) - 380;
        p.y = 280 - 32.941177f * float(i);
        p.width = widths ? float(widths[i]) : 0;
        p.height = heights ? float(heights[i]) : 0;
        p.scale = 1;
    }
}

void loadTrophyLayout(const int widths[kTrophyCount], const int heights[kTrophyCount]) {
    layoutPath = currentDirectory() + "/" + kTrophyLayoutFile;
    // One byte more than the format holds, so a long file shows as one.
    uint8_t image[kTrophyLayoutFileSize + 1];
    int size = 0;
    if (!readResourceInto(kTrophyLayoutFile, image, int(sizeof image), &size) ||
        !decodeTrophyLayout(image, size, layout))
        buildDefaultTrophyLayout(layout, widths, heights);
}

bool writeTrophyLayout() {
    if (layoutPath.empty()) return false;
    uint8_t image[kTrophyLayoutFileSize];
    encodeTrophyLayout(layout, image);
    return writeFileAtomic(layoutPath, image, sizeof image);
}

const std::string& trophyLayoutPath() { return layoutPath; }

void resetTrophyLayout() {
    layout = TrophyLayout{};
    layoutPath.clear();
}

} // namespace aw
