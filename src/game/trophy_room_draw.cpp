// Drawing the trophy room: the grotto, the trophies on their places, the
// exit sign, the description balloon and the presentation panel.
#include "game/trophy_room.h"

#include "effects/backgrounds.h"
#include "game/trophies.h"
#include "game/trophy_layout.h"
#include "game/trophy_media.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "ui/tooltip.h"
#include "ui/ui_media.h"
#include "ui/widget_draw.h"
#include "ui/widgets.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace aw {
namespace {

constexpr float kDepth = 10;
constexpr float kBalloonWidth = 300, kBalloonFont = 12;
constexpr float kPanelFont = 12, kTitleFont = 17, kButtonFont = 18;
constexpr float kPanelPicture = 128;
constexpr int kTitleSize = 64, kBodySize = 512;

uint8_t byteOf(float v) { return uint8_t(v <= 0 ? 0 : v >= 1 ? 255 : v * 255); }

void drawPicture(TextureRecord* texture, float x, float y, float w, float h, Color color) {
    if (!texture) return;
    setTexture(texture);
    drawSprite(x, y, w, h, UvRect(0, 0, 1, 1), color, kDepth);
}

void drawTrophies() {
    const TrophyMedia& m = trophyMedia();
    for (int n = 1; n <= kTrophyCount; ++n) {
        if (!trophyEarned(n) || trophyIsNew(n)) continue;
        const TrophyPlace& p = trophyPlace(n);
        float w = p.width * p.scale, h = p.height * p.scale;
        drawPicture(m.picture[n - 1], p.x, p.y, w, h, Color());
        if (p.hovered) {
            float pulse = 0.8f + 0.2f * std::sin(0.006f * trophyRoom().timeMs);
            drawPicture(m.glow[n - 1], p.x, p.y, w, h, Color(255, 255, 255, byteOf(pulse)));
        }
    }
}

void drawExitSign() {
    const TrophyRoom& room = trophyRoom();
    float size = kExitSignSize;
    Color color(235, 235, 235, 255);
    if (room.exitHovered) {
        float wave = std::sin(0.015f * room.timeMs);
        size *= 1 + 0.08f * wave;
        color = Color(255, 255, 255, 255);
    }
    drawPicture(trophyMedia().exitSign, kExitSignX, kExitSignY, size, size, color);
}

// The balloon opens towards the middle of the room: beside a trophy near a
// wall, above one standing lower, so it covers as few trophies as it can.
void placeBalloon(TooltipBalloon& b, const Rect& r, float x) {
    b.side = BalloonSide::kAbove;
    b.anchor = Vec2{x, r.y0 - 4};
    Rect above = tooltipBalloonRect(b);
    if (above.y0 <= 296 && std::fabs(x) < 250) return;
    b.side = x < 0 ? BalloonSide::kRight : BalloonSide::kLeft;
    b.anchor = Vec2{x < 0 ? r.x1 - 6 : r.x0 + 6, (r.y0 + r.y1) / 2};
    if (tooltipBalloonRect(b).y1 >= -296) return;
    b.side = BalloonSide::kAuto;
    b.anchor = Vec2{x, r.y0 - 4};
}

void drawBalloon() {
    const TrophyRoom& room = trophyRoom();
    if (!room.balloonShown || room.hovered == 0) return;
    const TrophyPlace& p = trophyPlace(room.hovered);
    TooltipBalloon b;
    b.text = trophyDescription(room.hovered, "UNKNOW");
    b.width = kBalloonWidth;
    b.fontSize = kBalloonFont;
    b.scaleIn = std::fmin(1.0f, room.balloonAgeMs / 150);
    b.ageMs = room.balloonAgeMs;
    placeBalloon(b, trophyRect(p), p.x);
    drawTooltipBalloon(b);
}

// A description "Name: what to do" is shown as a title over its text, the
// text begun with a capital.
void splitDescription(const char* text, char title[kTitleSize], char body[kBodySize]) {
    title[0] = 0;
    std::snprintf(body, kBodySize, "%s", text);
    const char* colon = std::strchr(text, ':');
    if (!colon || colon == text || colon - text >= kTitleSize) return;
    std::memcpy(title, text, size_t(colon - text));
    title[colon - text] = 0;
    const char* rest = colon + 1;
    while (*rest == ' ') ++rest;
    std::snprintf(body, kBodySize, "%s", rest);
    if (body[0] >= 'a' && body[0] <= 'z') body[0] = char(body[0] - 'a' + 'A');
}

void drawPanelContents(int n, float s, const TrophyRoom& room) {
    const TrophyMedia& m = trophyMedia();
    const char* text = trophyDescription(n, nullptr);
    char title[kTitleSize] = {};
    char body[kBodySize] = "UNKNOW ENTER TIPS!";
    if (text) splitDescription(text, title, body);

    float top = kPanelHeight / 2 * s;
    if (title[0]) drawLabel(0, top - 38 * s, kTitleFont * s, title, true, highlightText());
    float picY = top - (title[0] ? 120 : 100) * s;
    float breathe = 1 + 0.06f * std::sin(0.004f * room.timeMs);
    drawPicture(m.glow[n - 1], 0, picY, kPanelPicture * s * breathe, kPanelPicture * s * breathe,
                Color(255, 255, 255, 170));
    drawPicture(m.picture[n - 1], 0, picY, kPanelPicture * s, kPanelPicture * s, Color());

    float width = (kPanelWidth - 80) * s;
    if (fontCount() > 0 && s > 0.05f) {
        wrapText(width, body, kPanelFont * s);
        drawLabel(0, picY - 82 * s, kPanelFont * s, wrappedText(), true, Color());
    }
    drawButton(0, kPanelButtonY * s, kPanelButtonWidth * s, kPanelButtonHeight * s, kButtonFont * s, "OK", s);
}

void drawPresentation(const TrophyRoom& room) {
    if (room.presentation == Presentation::kIdle || room.presented == 0) return;
    float s = presentationScale();
    // A veil over the room keeps the eye on the panel.
    fillRect(Rect(-400, 300, 400, -300), Color(0, 0, 0, byteOf(0.45f * s)));
    drawPanelCentred(0, 0, kPanelWidth, kPanelHeight, s);
    drawPanelContents(room.presented, s, room);
}

} // namespace

void drawTrophyRoom(float dt) {
    // The panel's button is the only line of this frame's widgets.
    clearRegistrations();
    selectFont(0);
    drawBackground(false, dt);
    drawTrophies();
    drawExitSign();
    Ui2DScope scope;
    drawBalloon();
    drawPresentation(trophyRoom());
    setTextColor(255, 255, 255, 255);
}

} // namespace aw
