// The screens' test world: the shipped screen tree, a few texts, a font with
// known widths, a hidden window for drawing, and the player's files in a
// scratch directory.
#pragma once
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "persistence/settings.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/text.h"
#include "resources/registry.h"
#include "resources/test_support.h"
#include "resources/text_table.h"
#include "ui/menu_tree.h"
#include "ui/screens.h"
#include "ui/ui_hooks.h"
#include "ui/widgets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace awtest {

inline std::string sourceFile(const std::string& rel) {
    const char* dir = std::getenv("AW_SOURCE_DIR");
    std::ifstream in(std::string(dir ? dir : ".") + "/" + rel, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A font whose every glyph advances width / 16 text sizes (width pixels of a
// 512-pixel atlas of 16 cells).
inline aw::Font fixedFont(int width) {
    uint8_t metrics[aw::kFontMetricsSize] = {16, 0, 0, 0};
    for (int c = 0; c < 256; ++c) metrics[4 + c] = uint8_t(width);
    aw::Font f;
    aw::parseFontMetrics(metrics, sizeof metrics, 1, 1, f);
    return f;
}

class ScreensTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (aw::windowIsOpen()) return;
        aw::WindowConfig config;
        config.hidden = true;
        ASSERT_TRUE(aw::openWindow(config)) << aw::lastWindowError();
        ASSERT_TRUE(aw::initRenderDevice());
    }

    void SetUp() override {
        aw::resetScreens();
        aw::uiHooks = aw::UiHooks{};
        aw::resetPersistence();
        aw::resetTextTable();
        aw::resetText();
        // Each glyph advances half its text size.
        aw::addFont(fixedFont(8));
        std::string texts = "hallo=Hello, %s!\r\nquit=Really quit?\r\nremoveplayer=Remove?\r\nentername=Name\r\n"
                            "adventuretip=Tip one\r\nx=\r\n";
        aw::parseTextBlock(texts.data(), int(texts.size()));
        aw::setDataDirectory(scratch.path());
        aw::setSettingsDirectory(scratch.path() + "/settings");
        aw::ensureSettingsDirectory();
        menu = sourceFile("data/menus/menu.txt");
        menuTexts = sourceFile("data/menus/menutext.txt");
        ASSERT_FALSE(menu.empty());
        aw::buildMenuTree(menu.data(), menu.size(), menuTexts.data(), menuTexts.size());
    }
    void TearDown() override {
        aw::resetScreens();
        aw::resetPersistence();
        aw::resetTextTable();
    }

    // One frame of the hosting scene.
    void frame(float dt = 16) {
        aw::screenUpdate(dt);
        aw::screenDraw();
    }
    // Until the fades are over (and the next screen is drawn once).
    void settle() {
        for (int i = 0; i < 8 && (aw::screenFading() || i < 2); ++i) frame(200);
        frame(16);
    }
    void key(int k) {
        aw::screenKeyDown(k);
        frame();
    }
    void open(const char* name) {
        ASSERT_TRUE(aw::openScreenByName(name)) << name;
        settle();
    }
    // The mouse onto a virtual point (client pixels of the 800 x 600 frame).
    void mouseAt(float x, float y) {
        aw::setScreenMouse(int(x + 400), int(300 - y));
        aw::screenMouseMoved();
    }
    std::string current() const { return aw::currentScreen() ? aw::currentScreen()->name : ""; }
    std::string selectedItem() const {
        aw::MenuNode* s = aw::currentScreen();
        int i = aw::selectedIndex();
        return s && i >= 0 && i < s->childCount ? s->children[i]->name : "";
    }

    ScratchDir scratch;
    std::string menu, menuTexts;
};

} // namespace awtest
