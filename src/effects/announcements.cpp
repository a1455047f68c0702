// Timed messages (grow 30 %, wobble 40 %, shrink 30 % of their duration)
// and letter bursts (each letter waits 40 ms more than the one before,
// settles from twice its size over 1000 ms, wobbles 3500 ms, shrinks 1500 ms).
#include "effects/announcements.h"

#include "core/color.h"
#include "render/draw.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace aw {
namespace {

constexpr float kPi = 3.14159265f;

// Both rings live for the run.
MessageRecord messages[kMessageCount];
LetterRecord letters[kLetterCount];
int messageIndex = 0, letterIndex = 0;

float pulse(float cyclesPerSecond, float timeMs) {
    return 0.5f + 0.5f * std::sin(2 * kPi * cyclesPerSecond * timeMs / 1000.0f);
}

void drawGlyphQuad(const Font& font, unsigned char c, float x, float y, float g, Color color) {
    int cell = font.glyphCell[c];
    float u0 = float(cell % font.cellsPerRow) * font.cellUv, v0 = float(cell / font.cellsPerRow) * font.cellUv;
    float u1 = u0 + font.cellUv, v1 = v0 + font.cellUv;
    uint32_t argb = tinted(color).argb;
    SpriteVertex strip[4] = {{{x - g, y + g, 10}, argb, u0, v0},
                             {{x + g, y + g, 10}, argb, u1, v0},
                             {{x - g, y - g, 10}, argb, u0, v1},
                             {{x + g, y - g, 10}, argb, u1, v1}};
    drawUserPrimitive(strip, 2, kSpriteFvf, PT_TRIANGLESTRIP);
}

void drawLetters(float dt) {
    const Font* font = currentFont();
    if (font) setTexture(font->texture);
    for (LetterRecord& l : letters) {
        if (l.life <= 0) continue;
        LetterLook look;
        if (font && letterLook(l.life, look))
            // x is scaled about the screen centre, so letters drift as they grow and shrink.
            drawGlyphQuad(*font, l.character, l.x * look.scale, l.y + look.lift, l.size * look.scale,
                          Color(255, 255, 255, look.alpha));
        l.life -= dt;
    }
}

void drawMessages(float dt, float animationTimeMs) {
    for (MessageRecord& m : messages) {
        if (m.life <= 0) continue;
        MessageLook look = messageLook(m.life);
        int green = 230 + int(25 * pulse(3, animationTimeMs));
        int blue = 100 + int(155 * pulse(4, animationTimeMs));
        float size = look.factor * m.size;
        setTextColorValue(Color(0, 0, 0, int(float(look.alpha) * 0.5f)));
        drawText(m.x + 2, m.y - 2, size, m.text, true);
        setTextColorValue(Color(255, green, blue, look.alpha));
        drawText(m.x, m.y, size, m.text, true);
        m.life -= dt * m.rate;
    }
}

} // namespace

MessageLook messageLook(float life) {
    MessageLook look;
    if (life > 1400) {
        look.factor = (2000 - life) / 600;
        look.alpha = std::min(255, int((2000 - life) * 256 / 600));
    } else if (life > 600) {
        look.factor = 1 + 0.1f * std::sin(3 * kPi * (life - 600) / 800);
        look.alpha = 255;
    } else {
        look.factor = life / 600;
        look.alpha = std::min(255, int(life * 256 / 600));
    }
    look.alpha = std::max(0, look.alpha);
    return look;
}

bool letterLook(float life, LetterLook& out) {
    if (life > 6000 || life <= 0) return false;
    float s = 1;
    if (life >= 5000) {
        float a = (6000 - life) / 1000;
        out.alpha = int(a * 255);
        s = 2 - a;
        out.lift = 0;
    } else if (life <= 1500) {
        float a = life / 1500;
        out.alpha = int(a * 255);
        s = a;
        out.lift = 0;
    } else {
        float a = (life - 1500) / 3500 * 3 * kPi;
        out.alpha = 255;
        s = 1 + 0.08f * std::sin(a);
        out.lift = 2 * std::sin(2 * a);
    }
    out.scale = s * s;
    return true;
}

void showMessage(const char* text, float x, float y, float size, float durationMs) {
    if (!text || !(durationMs > 0)) return;
    MessageRecord& m = messages[messageIndex];
    messageIndex = (messageIndex + 1) % kMessageCount;
    size_t n = std::min(std::strlen(text), size_t(kMessageTextSize - 1));
    std::memcpy(m.text, text, n);
    m.text[n] = 0;
    m.size = size;
    m.width = measureText(m.text, size);
    m.life = 2000;
    m.x = x;
    m.y = y;
    m.rate = 2000 / durationMs;
}

void showLetters(const char* text, float x, float y, float size) {
    if (!text) return;
    const Font* font = currentFont();
    float g = -measureText(text, size) / 2;
    for (int i = 0; text[i]; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        float advance = font ? size * font->advance[c] : 0;
        if (i > 0) g += advance / 2;
        LetterRecord& l = letters[letterIndex];
        letterIndex = (letterIndex + 1) % kLetterCount;
        l.character = c;
        l.x = x + g;
        l.y = y;
        l.size = size;
        l.life = 6000 + 40 * float(i);
        g += advance / 2;
    }
}

void clearLetters() {
    for (LetterRecord& l : letters) l = LetterRecord{};
}

void drawAnnouncements(float dt, float animationTimeMs) {
    drawLetters(dt);
    drawMessages(dt, animationTimeMs);
    setTextColor(255, 255, 255, 255);
}

const MessageRecord& messageAt(int i) { return messages[std::clamp(i, 0, kMessageCount - 1)]; }
const LetterRecord& letterAt(int i) { return letters[std::clamp(i, 0, kLetterCount - 1)]; }

void resetAnnouncements() {
    for (MessageRecord& m : messages) m = MessageRecord{};
    clearLetters();
    messageIndex = letterIndex = 0;
}

} // namespace aw
