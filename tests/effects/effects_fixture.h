// The effects tests' world: one hidden window with the device for the whole
// process (the drawing runs for real and can be recorded), and clean effect,
// board and text state for every test.
#pragma once
#include "board/board.h"
#include "core/fast_sqrt.h"
#include "core/random.h"
#include "effects/announcements.h"
#include "effects/gameplay_screen.h"
#include "effects/particles.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/render_states.h"
#include "render/sprites.h"
#include "render/text.h"
#include "render/texture.h"
#include "render/transforms.h"
#include "resources/text_table.h"

#include <gtest/gtest.h>

#include <string>

namespace awtest {

class EffectsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        aw::initFastSqrt();
        if (aw::windowIsOpen()) return;
        aw::WindowConfig config;
        config.hidden = true;
        ASSERT_TRUE(aw::openWindow(config)) << aw::lastWindowError();
        ASSERT_TRUE(aw::initRenderDevice());
    }

    void SetUp() override {
        aw::resetParticleDefinitions();
        aw::resetGameplayScreen();
        aw::resetText();
        aw::resetSprites();
        aw::resetTransforms();
        aw::resetRenderStates();
        aw::applyDefaultStates();
        aw::resetTextTable();
        aw::setAtlasGrid(8, 8);
        aw::seedRandom(7);
        aw::resetLevelState();
        aw::playState = aw::PlayState{};
        aw::boardInput = aw::BoardInput{};
        aw::boardOutward = aw::BoardOutward{};
    }

    // A definition from its file text, under a name; its index.
    static int define(const std::string& name, const std::string& text) {
        return aw::addParticleDefinition(aw::parseParticleDefinition(text, name + ".par"));
    }

    // A font whose every character advances half a text size (two glyph cells wide per size).
    static void plainFont() {
        aw::Font f;
        for (float& a : f.advance) a = 0.5f;
        for (int c = 0; c < 256; ++c) f.glyphCell[c] = uint8_t(c);
        f.cellsPerRow = 16;
        f.cellUv = 1.0f / 16;
        aw::addFont(f);
    }
};

// The required keys of every effect file, with no motion and no spread.
inline std::string still() { return "positiondev=(0,0,0)\r\nspeed=(0,0,0)\r\nspeeddev=(0,0,0)\r\n"; }

} // namespace awtest
