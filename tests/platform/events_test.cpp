#include "platform/events.h"
#include "platform/window.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <cstdlib>

using namespace aw;

namespace {
SDL_Event button(Uint32 type, Uint8 which, int clicks, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = which;
    e.button.clicks = Uint8(clicks);
    e.button.x = x;
    e.button.y = y;
    return e;
}
SDL_Event key(SDL_Keycode k) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = k;
    return e;
}
} // namespace

TEST(EventTranslation, SecondPressOfAPairIsADoubleClick) {
    WindowMessage m;
    ASSERT_TRUE(translateEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 0, 0), m));
    EXPECT_EQ(m.msg, Msg::LButtonDown);
    ASSERT_TRUE(translateEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2, 0, 0), m));
    EXPECT_EQ(m.msg, Msg::LButtonDblClk);
    ASSERT_TRUE(translateEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 0, 0), m));
    EXPECT_EQ(m.msg, Msg::LButtonDown);
    // The right button's double click has a message of its own, which the shell never routes.
    ASSERT_TRUE(translateEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 2, 0, 0), m));
    EXPECT_EQ(m.msg, Msg::RButtonDblClk);
    ASSERT_TRUE(translateEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 2, 0, 0), m));
    EXPECT_EQ(m.msg, Msg::RButtonUp);
}

TEST(EventTranslation, VirtualKeyCodes) {
    struct { SDL_Keycode sdl; int vk; } cases[] = {
        {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32}, {SDLK_BACKSPACE, 8},
        {SDLK_DELETE, 46}, {SDLK_0, 48}, {SDLK_9, 57}, {SDLK_a, 65}, {SDLK_z, 90}, {SDLK_LEFT, 37},
        {SDLK_UP, 38}, {SDLK_RIGHT, 39}, {SDLK_DOWN, 40}, {SDLK_HOME, 36}, {SDLK_END, 35}, {SDLK_F3, 114}};
    for (auto c : cases) {
        WindowMessage m;
        ASSERT_TRUE(translateEvent(key(c.sdl), m)) << c.sdl;
        EXPECT_EQ(m.msg, Msg::KeyDown);
        EXPECT_EQ(m.wParam, c.vk) << c.sdl;
    }
    WindowMessage m;
    EXPECT_FALSE(translateEvent(key(SDLK_CAPSLOCK), m)); // no code: nothing for the game
}

TEST(EventTranslation, CloseAndActivation) {
    WindowMessage m;
    SDL_Event quit{};
    quit.type = SDL_QUIT; // also what SIGTERM and SIGINT become
    ASSERT_TRUE(translateEvent(quit, m));
    EXPECT_EQ(m.msg, Msg::Close);
    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    ASSERT_TRUE(translateEvent(focus, m));
    EXPECT_EQ(m.msg, Msg::Activate);
    EXPECT_EQ(m.wParam, 0);
}

TEST(EventTranslation, LetterboxMapsWindowPointsToFramePixels) {
    // A 1000 x 600 window shows the frame at scale 1 with 100-pixel bars left and right.
    Letterbox lb = computeLetterbox(1000, 600);
    EXPECT_FLOAT_EQ(lb.scale, 1.0f);
    EXPECT_FLOAT_EQ(lb.offsetX, 100.0f);
    EXPECT_FLOAT_EQ(lb.offsetY, 0.0f);
    Letterbox tall = computeLetterbox(1600, 1600);
    EXPECT_FLOAT_EQ(tall.scale, 2.0f);
    EXPECT_FLOAT_EQ(tall.offsetY, 200.0f);
}

TEST(EventTranslation, LetterboxRectangleShowsTheWholeFrameInAnySurface) {
    struct { int w, h, x0, y0, x1, y1; } exact[] = {
        {800, 600, 0, 0, 800, 600}, {1024, 768, 0, 0, 1024, 768}, // fills
        {1000, 600, 100, 0, 900, 600},                             // bars left and right
        {640, 700, 0, 110, 640, 590},                              // bars above and below
    };
    for (auto c : exact) {
        PixelRect r = letterboxRect(c.w, c.h);
        EXPECT_EQ(r.x0, c.x0) << c.w << "x" << c.h;
        EXPECT_EQ(r.y0, c.y0) << c.w << "x" << c.h;
        EXPECT_EQ(r.x1, c.x1) << c.w << "x" << c.h;
        EXPECT_EQ(r.y1, c.y1) << c.w << "x" << c.h;
    }
    // Odd sizes: inside the surface, touching two opposite edges, centred
    // to a pixel, and of the frame's shape.
    for (int w : {1, 321, 799, 801, 1023, 1366, 3841})
        for (int h : {1, 241, 599, 601, 767, 2161}) {
            PixelRect r = letterboxRect(w, h);
            ASSERT_GE(r.x0, 0);
            ASSERT_GE(r.y0, 0);
            ASSERT_LE(r.x1, w);
            ASSERT_LE(r.y1, h);
            EXPECT_TRUE(r.x1 - r.x0 == w || r.y1 - r.y0 == h) << w << "x" << h;
            EXPECT_LE(std::abs(r.x0 - (w - r.x1)), 1) << w << "x" << h;
            EXPECT_LE(std::abs(r.y0 - (h - r.y1)), 1) << w << "x" << h;
            if (r.x1 - r.x0 > 40 && r.y1 - r.y0 > 30) {
                EXPECT_NEAR(double(r.x1 - r.x0) / (r.y1 - r.y0), 4.0 / 3.0, 0.05) << w << "x" << h;
            }
        }
    PixelRect none = letterboxRect(0, 0); // a minimised window: nothing to draw into
    EXPECT_EQ(none.x1 - none.x0, 0);
}

class WindowEvents : public ::testing::Test {
protected:
    void SetUp() override {
        WindowConfig c;
        c.hidden = true;
        ASSERT_TRUE(openWindow(c)) << lastWindowError();
    }
    void TearDown() override { closeWindow(); }
};

TEST_F(WindowEvents, PositionsLeftOfOrAboveTheFrameAreNegative) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = -5;
    e.motion.y = -1;
    WindowMessage m;
    ASSERT_TRUE(translateEvent(e, m));
    EXPECT_EQ(m.msg, Msg::MouseMove);
    EXPECT_LT(m.x, 0);
    EXPECT_LT(m.y, 0);
    e.motion.x = 400;
    e.motion.y = 300;
    ASSERT_TRUE(translateEvent(e, m));
    EXPECT_EQ(m.x, 400);
    EXPECT_EQ(m.y, 300);
}

TEST_F(WindowEvents, PushedEventsArriveThroughTheQueueAfterPostedOnes) {
    clearPostedMessages();
    SDL_Event e = button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 10, 10);
    SDL_PushEvent(&e);
    postMessage({Msg::Activate, 1, 0, 0});
    WindowMessage m;
    ASSERT_TRUE(peekMessage(m));
    EXPECT_EQ(m.msg, Msg::Activate);
    bool sawMiddle = false;
    while (peekMessage(m)) sawMiddle |= m.msg == Msg::MButtonDown;
    EXPECT_TRUE(sawMiddle);
}
