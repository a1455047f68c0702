#include "game/map_media.h"

#include "platform/paths.h"
#include "render/texture.h"

#include <algorithm>
#include <cstdio>

namespace aw {
namespace {

// Lives for the run.
MapMedia media;
Miniature miniature;

TextureRecord* optional(const char* name) { return textureManager.loadTexture(name, false, false); }

std::string joinPath(const std::string& dir, const char* sub) {
    if (dir.empty()) return sub;
    return dir.back() == '/' ? dir + sub : dir + "/" + sub;
}

// The blue byte of the texel nearest to (x, y) of a w x h grid.
uint8_t maskByte(const TextureRecord* mask, int x, int y, int w, int h) {
    int mx = int(int64_t(x) * mask->width / w), my = int(int64_t(y) * mask->height / h);
    return mask->pixels[(size_t(my) * size_t(mask->width) + size_t(mx)) * 4];
}

void loadFragments(const std::string& dataDirectory) {
    setCurrentDirectory(joinPath(dataDirectory, "mask"));
    media.standIn = optional("zaglushka.jpg");
    const char* standIn = media.standIn ? "zaglushka.jpg" : nullptr;
    for (int i = 0; i < kFragmentCount; ++i) {
        char cover[32], mask[32], made[32];
        std::snprintf(cover, sizeof cover, "cover%i.tga", i + 1);
        std::snprintf(mask, sizeof mask, "mask%i.tga", i + 1);
        std::snprintf(made, sizeof made, "mapfragment%i", i + 1);
        const char* colourName = optional(cover) ? cover : standIn;
        TextureRecord* m = optional(mask);
        const char* maskName = m ? mask : standIn;
        media.mask[i] = m ? m : media.standIn;
        if (colourName && maskName) media.cover[i] = textureManager.loadTextureWithMask(made, colourName, maskName);
        mapState.fragmentCentre[i] = maskCentre(media.mask[i]);
    }
    setCurrentDirectory(joinPath(dataDirectory, "artefacts"));
    for (int s = 0; s < kStageCount; ++s) {
        char name[32];
        std::snprintf(name, sizeof name, "art%.2i.jpg", s);
        TextureRecord* art = optional(name);
        media.art[s] = art ? art : media.standIn;
    }
    int w = media.art[0] ? media.art[0]->width : 256, h = media.art[0] ? media.art[0]->height : 256;
    for (int i = 0; i < kFragmentCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "mappiece%i", i + 1);
        media.piece[i] = textureManager.createTexture(name, w, h, PixelFormat::A8R8G8B8, false);
        if (media.piece[i]) media.piece[i]->hasAlpha = true;
    }
    media.piecesStage = -1;
    media.panel = textureManager.createTexture("mappanel", w, h, PixelFormat::A8R8G8B8, false);
    if (media.panel) media.panel->hasAlpha = true;
    media.panelKey = -1;
    media.miniature = textureManager.createTexture("mapminiature", nextPowerOfTwo(kMiniatureWidth),
                                                   nextPowerOfTwo(kMiniatureHeight), PixelFormat::A8R8G8B8, false);
    if (media.miniature) media.miniature->hasAlpha = true;
    miniature = Miniature{};
}

// Holes stay dark; plain cells, single and dual squares in their colours; a
// chained figure shows a grey core, a bonus a white one.
void paintMiniature() {
    TextureRecord* t = media.miniature;
    int pitch = 0;
    uint8_t* out = lockTexture(t, &pitch);
    if (!out) return;
    auto fill = [&](int x0, int y0, int x1, int y1, Color c) {
        for (int y = std::max(0, y0); y < std::min(t->height, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(t->width, x1); ++x) {
                uint8_t* p = out + size_t(y) * size_t(pitch) + size_t(x) * 4;
                p[0] = uint8_t(c.b()), p[1] = uint8_t(c.g()), p[2] = uint8_t(c.r()), p[3] = uint8_t(c.a());
            }
    };
    fill(0, 0, t->width, t->height, Color(0, 0, 0, 0));
    fill(0, 0, kMiniatureWidth, kMiniatureHeight, Color(30, 18, 8, 200));
    if (miniature.valid)
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                const LevelLayout::Code& code = miniature.layout.cells[r][c];
                if (code.ground < 0) continue;
                int x = kMiniatureMargin + c * kMiniatureCell, y = kMiniatureMargin + r * kMiniatureCell;
                Color ground = code.ground >= 2 ? Color(196, 84, 34) : code.ground == 1 ? Color(236, 170, 60) : Color(214, 196, 150);
                fill(x, y, x + kMiniatureCell - 1, y + kMiniatureCell - 1, ground);
                if (code.lock) fill(x + 2, y + 2, x + kMiniatureCell - 3, y + kMiniatureCell - 3, Color(90, 90, 104));
                else if (code.bonus) fill(x + 2, y + 2, x + kMiniatureCell - 3, y + kMiniatureCell - 3, Color(255, 255, 255));
            }
    unlockTexture(t);
}

// The texel of t nearest to (x, y) of a w x h grid; null without pixels.
const uint8_t* texelAt(const TextureRecord* t, int x, int y, int w, int h) {
    if (!t || t->pixels.empty() || t->width <= 0 || t->height <= 0) return nullptr;
    int tx = int(int64_t(x) * t->width / w), ty = int(int64_t(y) * t->height / h);
    return &t->pixels[(size_t(ty) * size_t(t->width) + size_t(tx)) * 4];
}

// Lays src over dst by src's alpha.
void blendOver(uint8_t* dst, const uint8_t* src) {
    int a = src[3];
    for (int c = 0; c < 3; ++c) dst[c] = uint8_t((src[c] * a + dst[c] * (255 - a)) / 255);
    dst[3] = uint8_t(a + dst[3] * (255 - a) / 255);
}

} // namespace

const MapMedia& mapMedia() { return media; }

void setUpMapMedia(const std::string& dataDirectory) {
    setCurrentDirectory(dataDirectory);
    media.chart = getTexture("megamap.jpg");
    media.backdrop = textureManager.loadPicture("mapback.jpg", 800, 600);
    media.frame = getTexture("mapback1.tga");
    media.compass = getTexture("mapback2.tga");
    media.start = textureManager.loadAlphaJpeg("_a_mapstart.jpg", true);
    media.levelMark = getTexture("maplevelmark.tga");
    media.stageMark = getTexture("mapstagemark.tga");
    media.star = getTexture("mapstar.tga");
    media.unknownArtefact = getTexture("mapartefact_q.tga");
    for (int s = 0; s < kStageCount; ++s) {
        char name[32];
        std::snprintf(name, sizeof name, "smallart%.2i.tga", s);
        media.smallArt[s] = getTexture(name);
    }
    loadFragments(dataDirectory);
    setCurrentDirectory(dataDirectory);
    if (media.chart) mapState.chartSize = {float(media.chart->width), float(media.chart->height)};
}

void setMapMedia(const MapMedia& m) { media = m; }

Vec2 maskCentre(const TextureRecord* mask) {
    if (!mask || mask->pixels.empty() || mask->width <= 0 || mask->height <= 0) return {0.5f, 0.5f};
    double sx = 0, sy = 0;
    long long n = 0;
    for (int y = 0; y < mask->height; ++y)
        for (int x = 0; x < mask->width; ++x)
            if (mask->pixels[(size_t(y) * size_t(mask->width) + size_t(x)) * 4] > 127) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
    if (n == 0) return {0.5f, 0.5f};
    return {float(sx / double(n) / mask->width), float(sy / double(n) / mask->height)};
}

void prepareArtefactPieces(int stage) {
    if (stage < 0 || stage >= kStageCount || stage == media.piecesStage) return;
    media.piecesStage = stage;
    const TextureRecord* art = media.art[stage];
    for (int i = 0; i < kFragmentCount; ++i) {
        TextureRecord* piece = media.piece[i];
        const TextureRecord* mask = media.mask[i];
        int pitch = 0;
        uint8_t* out = lockTexture(piece, &pitch);
        if (!out) continue;
        int w = piece->width, h = piece->height;
        bool haveArt = art && !art->pixels.empty() && art->width > 0 && art->height > 0;
        bool haveMask = mask && !mask->pixels.empty() && mask->width > 0 && mask->height > 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint8_t* t = out + size_t(y) * size_t(pitch) + size_t(x) * 4;
                if (!haveArt) {
                    t[0] = t[1] = t[2] = t[3] = 0;
                    continue;
                }
                int ax = int(int64_t(x) * art->width / w), ay = int(int64_t(y) * art->height / h);
                const uint8_t* a = &art->pixels[(size_t(ay) * size_t(art->width) + size_t(ax)) * 4];
                t[0] = a[0];
                t[1] = a[1];
                t[2] = a[2];
                t[3] = haveMask ? maskByte(mask, x, y, w, h) : 255;
            }
        unlockTexture(piece);
    }
}

const TextureRecord* prepareArtefactPanel(int stage, unsigned shownMask) {
    TextureRecord* panel = media.panel;
    if (!panel || stage < 0 || stage >= kStageCount) return panel;
    int key = stage * (1 << kFragmentCount) + int(shownMask & ((1u << kFragmentCount) - 1));
    if (key == media.panelKey) return panel;
    prepareArtefactPieces(stage);
    media.panelKey = key;
    int pitch = 0;
    uint8_t* out = lockTexture(panel, &pitch);
    if (!out) return panel;
    int w = panel->width, h = panel->height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* t = out + size_t(y) * size_t(pitch) + size_t(x) * 4;
            t[0] = t[1] = t[2] = t[3] = 0;
            if (const uint8_t* p = texelAt(media.standIn, x, y, w, h)) blendOver(t, p);
            for (int i = 0; i < kFragmentCount; ++i) {
                const TextureRecord* layer = shownMask & (1u << i) ? media.piece[i] : media.cover[i];
                if (const uint8_t* p = texelAt(layer, x, y, w, h)) blendOver(t, p);
            }
        }
    unlockTexture(panel);
    return panel;
}

const Miniature& miniatureFor(int level) {
    if (level != miniature.level) {
        miniature.level = level;
        miniature.valid = level >= 0 && level < kLevelCount && readLevelLayout(level, miniature.layout);
        paintMiniature();
    }
    return miniature;
}

void resetMapMedia() {
    media = MapMedia{};
    miniature = Miniature{};
}

} // namespace aw
