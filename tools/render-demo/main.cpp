// render-demo [seconds] [frame.png]: draws the test frame for the given time
// (default 3 s) and, with a path, also writes the frame as PNG.
#include "core/matrix.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/frame_buffer.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/draw.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "render/transforms.h"
#include "resources/registry.h"

#include <stb/stb_image_write.h>
#include <stb/stb_truetype.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace aw;

namespace {

const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";

void appendBytes(void* ctx, void* data, int size) {
    static_cast<std::string*>(ctx)->append(static_cast<char*>(data), size_t(size));
}

// Hands a block to the registry under a name, as an archive entry would be.
void publish(const char* name, const std::string& bytes) {
    auto* block = static_cast<uint8_t*>(std::malloc(bytes.size()));
    std::memcpy(block, bytes.data(), bytes.size());
    if (!registerResource(name, int(bytes.size()), block, true)) std::free(block);
}

std::string tga(int w, int h, const std::vector<uint8_t>& rgba) {
    std::string out;
    stbi_write_tga_to_func(appendBytes, &out, w, h, 4, rgba.data());
    return out;
}

std::string jpeg(int w, int h, const std::vector<uint8_t>& rgba) {
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    for (size_t i = 0; i < size_t(w) * h; ++i)
        for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
    std::string out;
    stbi_write_jpg_to_func(appendBytes, &out, w, h, 3, rgb.data(), 92);
    return out;
}

uint8_t clampByte(float v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }

// Dusk sky over rolling hills, 800 x 600.
void makeBackground() {
    const int w = 800, h = 600;
    std::vector<uint8_t> p(size_t(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float t = float(y) / h;
            float hill = 420 + 40 * std::sin(x * 0.012f) + 25 * std::sin(x * 0.031f + 1);
            uint8_t* q = &p[(size_t(y) * w + x) * 4];
            if (y > hill) {
                float d = (y - hill) / (h - hill);
                q[0] = clampByte(40 + 30 * d), q[1] = clampByte(90 - 40 * d), q[2] = clampByte(50 - 20 * d);
            } else {
                q[0] = clampByte(30 + 200 * t), q[1] = clampByte(40 + 110 * t), q[2] = clampByte(110 + 40 * t);
            }
            q[3] = 255;
        }
    publish("back.tga", tga(w, h, p));
}

// A round amber badge: JPEG colours with its alpha plane behind it.
void makeBadge() {
    const int n = 128;
    std::vector<uint8_t> p(size_t(n) * n * 4);
    std::string plane(size_t(n) * n, '\0');
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float dx = (x - 63.5f) / 64, dy = (y - 63.5f) / 64, r = std::sqrt(dx * dx + dy * dy);
            float light = 1 - 0.5f * (dx + dy);
            uint8_t* q = &p[(size_t(y) * n + x) * 4];
            bool ring = r > 0.8f && r < 0.9f;
            q[0] = clampByte((ring ? 120 : 230) * light), q[1] = clampByte((ring ? 70 : 150) * light);
            q[2] = clampByte((ring ? 20 : 40) * light), q[3] = 255;
            plane[size_t(y) * n + x] = char(clampByte((1 - r) * 40 * 255 / 4 + 128));
            if (r >= 1) plane[size_t(y) * n + x] = 0;
        }
    publish("_a_badge.jpg", jpeg(n, n, p) + plane);
}

// The soft glow the highlight uses.
void makeGlow() {
    const int n = 64;
    std::vector<uint8_t> p(size_t(n) * n * 4);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            float dx = (x - 31.5f) / 32, dy = (y - 31.5f) / 32, g = std::max(0.0f, 1 - std::sqrt(dx * dx + dy * dy));
            uint8_t* q = &p[(size_t(y) * n + x) * 4];
            q[0] = clampByte(255 * g), q[1] = clampByte(220 * g), q[2] = clampByte(120 * g), q[3] = 255;
        }
    publish("podsvet.jpg", jpeg(n, n, p));
}

struct Baked {
    std::vector<uint8_t> atlas; // 512 x 512 RGBA
    uint8_t widths[256] = {};
};

// A 16 x 16 atlas of 32-pixel cells: glyph c in cell c, centred on its advance.
bool bakeFont(const std::vector<uint8_t>& ttf, Baked& out) {
    stbtt_fontinfo info;
    if (!stbtt_InitFont(&info, ttf.data(), stbtt_GetFontOffsetForIndex(ttf.data(), 0))) return false;
    float scale = stbtt_ScaleForPixelHeight(&info, 26);
    int ascent, descent, gap;
    stbtt_GetFontVMetrics(&info, &ascent, &descent, &gap);
    int baseline = int(std::lround(16 + (ascent + descent) * scale / 2));
    out.atlas.assign(512 * 512 * 4, 0);
    std::vector<uint8_t> glyph(64 * 64);
    for (int c = 32; c < 256; ++c) {
        if (c >= 127 && c < 160) continue;
        int adv, lsb, x0, y0, x1, y1;
        stbtt_GetCodepointHMetrics(&info, c, &adv, &lsb);
        float advance = adv * scale;
        out.widths[c] = uint8_t(std::min(32.0f, advance + 1));
        stbtt_GetCodepointBitmapBox(&info, c, scale, scale, &x0, &y0, &x1, &y1);
        int gw = x1 - x0, gh = y1 - y0;
        if (gw <= 0 || gh <= 0 || gw > 64 || gh > 64) continue;
        stbtt_MakeCodepointBitmap(&info, glyph.data(), gw, gh, 64, scale, scale, c);
        int cellX = (c % 16) * 32, cellY = (c / 16) * 32;
        int penX = cellX + int(std::lround((32 - advance) / 2));
        for (int y = 0; y < gh; ++y)
            for (int x = 0; x < gw; ++x) {
                int ax = penX + x0 + x, ay = cellY + baseline + y0 + y;
                if (ax < cellX || ax >= cellX + 32 || ay < cellY || ay >= cellY + 32) continue;
                uint8_t* q = &out.atlas[(size_t(ay) * 512 + ax) * 4];
                q[0] = q[1] = q[2] = 255;
                q[3] = glyph[size_t(y) * 64 + x];
            }
    }
    return true;
}

void makeFont(const Baked& baked) {
    std::string dat(516, '\0');
    dat[0] = 16;
    for (int c = 0; c < 256; ++c) {
        dat[size_t(4 + c)] = char(baked.widths[c]);
        dat[size_t(260 + c)] = char(c);
    }
    publish("font.tga", tga(512, 512, baked.atlas));
    publish("font.dat", dat);
}

// Digits 0-9 and a few shapes on an 8 x 4 sheet of 64-pixel cells.
void makeSheet(const std::vector<uint8_t>& ttf) {
    const int w = 512, h = 256;
    std::vector<uint8_t> p(size_t(w) * h * 4, 0);
    stbtt_fontinfo info;
    stbtt_InitFont(&info, ttf.data(), 0);
    float scale = stbtt_ScaleForPixelHeight(&info, 52);
    std::vector<uint8_t> glyph(64 * 64);
    for (int n = 0; n < 32; ++n) {
        int cx = (n % 8) * 64, cy = (n / 8) * 64;
        float hue = float(n) / 32 * 6.2831853f;
        uint8_t r = clampByte(128 + 120 * std::cos(hue)), g = clampByte(128 + 120 * std::cos(hue - 2.1f)),
                b = clampByte(128 + 120 * std::cos(hue + 2.1f));
        for (int y = 4; y < 60; ++y)
            for (int x = 4; x < 60; ++x) {
                float dx = x - 31.5f, dy = y - 31.5f;
                if (dx * dx + dy * dy > 27 * 27) continue;
                uint8_t* q = &p[(size_t(cy + y) * w + cx + x) * 4];
                q[0] = r, q[1] = g, q[2] = b, q[3] = 255;
            }
        if (n >= 10) continue;
        int x0, y0, x1, y1;
        stbtt_GetCodepointBitmapBox(&info, '0' + n, scale, scale, &x0, &y0, &x1, &y1);
        int gw = std::min(64, x1 - x0), gh = std::min(64, y1 - y0);
        stbtt_MakeCodepointBitmap(&info, glyph.data(), gw, gh, 64, scale, scale, '0' + n);
        for (int y = 0; y < gh; ++y)
            for (int x = 0; x < gw; ++x) {
                int ax = cx + (64 - gw) / 2 + x, ay = cy + (64 - gh) / 2 + y;
                float a = glyph[size_t(y) * 64 + x] / 255.0f;
                uint8_t* q = &p[(size_t(ay) * w + ax) * 4];
                for (int c = 0; c < 3; ++c) q[c] = clampByte(q[c] * (1 - a) + 255 * a);
            }
    }
    publish("sheet.tga", tga(w, h, p));
}

std::vector<uint8_t> readAll(const char* path) {
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path, "rb");
    if (!f) return bytes;
    std::fseek(f, 0, SEEK_END);
    long n = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    bytes.resize(size_t(n > 0 ? n : 0));
    if (n > 0 && std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
    std::fclose(f);
    return bytes;
}

// Sheet cells sit at depth 0: seen from 120 units back with far 500, as the
// menu and game scenes set it up.
void sheetSpace() {
    Matrix back = Matrix::translation(0, 0, 120);
    setView(back);
    enableFeature(3);
}

void drawFrame(TextureRecord* back, TextureRecord* badge, const SpriteSheet& sheet, TextureRecord* target, float t) {
    // Into the render target: a spinning sheet cell on dark blue.
    setRenderTarget(target);
    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);
    clearTarget(Color(20, 30, 70, 255));
    sheetSpace();
    setOrtho(600, 600, 1, 500); // a square target: keep the cell square
    drawSheetCell(sheet, 0, 0, 7, Color(), 400, 20 * std::sin(t * 0.002f));
    setRenderTarget(nullptr);

    clearTarget(Color(0, 0, 0, 255));
    clearDepth(1);

    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);
    setTexture(back);
    drawSprite(0, 0, 800, 600, UvRect(0, 0, 800.0f / 1024, 600.0f / 1024), Color(), 10);

    setTexture(badge);
    drawRotatedSprite(-300, 190, -300, 190, t * 0.03f, 128, 128, UvRect(), Color(), 10);
    drawSprite(-170, 190, 96, 96, UvRect(), Color(255, 255, 255, 160), 10);

    sheetSpace();
    for (int n = 0; n < 10; ++n)
        drawSheetCell(sheet, -340 + n * 58.0f, 60, n, Color(), -14, 0);
    drawSheetCell(sheet, 300, 60, 12, Color(), 0, t * 0.1f);
    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);

    // The three blend modes over the picture.
    setTexture(nullptr);
    const char* names[3] = {"blend", "glow", "opaque"};
    for (int m = 0; m < 3; ++m) {
        setBlendMode(m);
        drawSprite(-330 + m * 110.0f, -40, 90, 60, UvRect(), Color(220, 80, 40, 128), 10);
    }
    setBlendMode(0);

    // The render target, right way up.
    setTexture(target);
    drawSprite(300, -30, 150, 150, UvRect(), Color(), 10);

    drawHighlight(Rect(-80, 230, 80, 150), Color(255, 255, 255, 255));

    // A star of gradient beams in perspective, turning about its centre.
    updateProjection();
    disableFeature(3);
    Matrix camera = Matrix::translation(0, 0, 150);
    setView(camera);
    setTexture(nullptr);
    setBlendMode(1);
    for (int i = 0; i < 12; ++i) {
        float a = t * 0.0008f + i * 0.5235988f;
        Vec3 centre(64, -40, 0), tip(64 + 12 * std::cos(a), -40 + 12 * std::sin(a), 10 * std::sin(a * 2));
        drawGradientBeam(centre, tip, 0.8f, Color(255, 240, 160, 255), Color(255, 80, 20, 255));
    }
    setBlendMode(0);
    begin2D();
    setRenderState(RS_CULLMODE, kCullNone);

    selectFont(0);
    setTextColor(255, 240, 200, 255);
    drawTextShadowed(0, 250, 18, "Amberwick renderer", true, Color(255, 230, 160, 255), Color(0, 0, 0, 192), 2, 1, -1);
    setTextColor(255, 255, 255, 255);
    for (int m = 0; m < 3; ++m) drawText(-330 + m * 110.0f, -95, 9, names[m], true);
    drawText(300, -120, 9, "render target", true);
    setTextColor(230, 230, 255, 255);
    float h = wrapText(330, "Left-aligned text wraps at the last space before the line is full, and keeps "
                            "its lines one and eight tenths text sizes apart.",
                       10);
    drawText(-370, -150, 10, wrappedText(), false);
    setTextColor(255, 220, 120, 255);
    char line[64];
    std::snprintf(line, sizeof line, "%i TRI   wrapped height %.0f", triangleCount, h);
    drawText(40, -160, 10, line, false);
    drawText(40, -200, 12, "Centred line one\r\nand line two", true);
    setTint(1, 1, 1, 0.5f);
    drawText(40, -260, 12, "half-tinted text", true);
    setTint(1, 1, 1, 1);
    triangleCount = 0;
}

} // namespace

int main(int argc, char** argv) {
    float seconds = argc > 1 ? float(std::atof(argv[1])) : 3;
    const char* pngPath = argc > 2 ? argv[2] : nullptr;
    std::vector<uint8_t> ttf = readAll(kFontFile);
    Baked baked;
    if (ttf.empty() || !bakeFont(ttf, baked)) {
        std::fprintf(stderr, "render-demo: cannot read %s (Debian package fonts-dejavu-core)\n", kFontFile);
        return 1;
    }
    WindowConfig config;
    if (!openWindow(config)) {
        std::fprintf(stderr, "render-demo: %s\n", lastWindowError());
        return 1;
    }
    if (!initRenderDevice()) return 1;
    makeBackground();
    makeBadge();
    makeGlow();
    makeFont(baked);
    makeSheet(ttf);

    TextureRecord* back = textureManager.loadPicture("back.tga", 800, 600);
    TextureRecord* badge = getTexture("badge.tga"); // finds "_a_badge.jpg"
    SpriteSheet sheet;
    sheet.init("sheet.tga", 8);
    loadFont("font", 1, 1);
    TextureRecord* target = textureManager.createTexture("demo target", 256, 256, PixelFormat::A8R8G8B8, true);

    uint32_t start = ticksMs();
    bool quit = false;
    while (!quit && float(ticksMs() - start) < seconds * 1000) {
        WindowMessage m;
        while (peekMessage(m))
            if (m.msg == Msg::Close || m.msg == Msg::Quit || (m.msg == Msg::KeyDown && m.wParam == vk::Escape)) quit = true;
        beginScene();
        drawFrame(back, badge, sheet, target, float(ticksMs() - start));
        endScene();
        if (pngPath && float(ticksMs() - start) > seconds * 500) {
            std::vector<uint8_t> rgba(800 * 600 * 4);
            if (readFramePixels(0, 0, 800, 600, rgba.data())) stbi_write_png(pngPath, 800, 600, 4, rgba.data(), 800 * 4);
            pngPath = nullptr;
        }
        presentFrame();
        sleepMs(15);
    }
    releaseRenderDevice();
    closeWindow();
    return 0;
}
