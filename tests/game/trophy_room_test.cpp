// The trophy files, the awards and the room: presentation, hover and
// balloon, the way out, and the room as the shipped data set builds it.
#include "room_fixture.h"

#include "board/board.h"
#include "effects/backgrounds.h"
#include "game/trophies.h"
#include "game/trophy_layout.h"
#include "game/trophy_media.h"
#include "persistence/binary_fields.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "render/draw.h"
#include "render/render_states.h"
#include "render/texture.h"
#include "resources/registry.h"
#include "resources/test_support.h"
#include "resources/text_table.h"
#include "ui/menu_tree.h"
#include "ui/screens.h"

#include <cmath>
#include <filesystem>
#include <limits>

using namespace aw;
using namespace awtest;

namespace {

const int kSixtyFour[kTrophyCount] = {64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64};

class Room : public ::testing::Test {
protected:
    static void SetUpTestSuite() { openHiddenWindow(); }

    ScratchDir dir;

    void SetUp() override {
        resetPersistence();
        resetResources();
        resetTextTable();
        resetScreens();
        uiHooks = UiHooks{};
        resetTrophyRoom();
        resetTrophyLayout();
        resetTrophyMedia();
        resetBackgrounds();
        boardOutward = BoardOutward{};
        setDataDirectory(dir.path());
        setSettingsDirectory(dir.path() + "/settings");
        ASSERT_TRUE(addProfile("ANNA"));
        buildDefaultTrophyLayout(trophyLayout(), kSixtyFour, kSixtyFour);
        std::string texts = "trophytip2=Bronze Purse: score 5,000.\r\ntrophytip5=Silver Purse: 7,000.\r\n"
                            "trophytip16=Mother Lode: thirty.\r\nx=\r\n";
        parseTextBlock(texts.data(), int(texts.size()));
        std::string menu = sourceText("data/menus/menu.txt"), menuTexts = sourceText("data/menus/menutext.txt");
        ASSERT_FALSE(menu.empty());
        buildMenuTree(menu.data(), menu.size(), menuTexts.data(), menuTexts.size());
        recordRoomCalls();
        setCurrentDirectory(builtData());
    }
    void TearDown() override {
        resetTrophyRoom();
        resetScreens();
        resetBackgrounds();
        releaseAllTextures();
        resetPersistence();
        resetTextTable();
        resetResources();
        boardOutward = BoardOutward{};
    }

    static std::string sourceText(const std::string& rel) {
        const char* src = std::getenv("AW_SOURCE_DIR");
        return readBytes(std::string(src ? src : ".") + "/" + rel);
    }
    std::string trp(const char* name = "ANNA") const { return readBytes(dir.path() + "/settings/" + name + ".trp"); }
    static Vec2 placeOf(int n) { return Vec2{trophyPlace(n).x, trophyPlace(n).y}; }
    static Vec2 okButton() { return Vec2{0, kPanelButtonY}; }
    // Through the quiet first second and a panel's growth.
    static void untilPanelWaits() {
        for (int i = 0; i < 200 && trophyRoom().presentation != Presentation::kWaiting; ++i) roomFrames(16);
        ASSERT_EQ(trophyRoom().presentation, Presentation::kWaiting);
    }
};

std::string pairs(std::initializer_list<std::pair<int, int>> set) {
    std::string b(kTrophyFileSize, '\0');
    for (auto [n, isNew] : set) {
        b[size_t(2 * (n - 1))] = char(isNew);
        b[size_t(2 * (n - 1) + 1)] = 1;
    }
    return b;
}

// [SECTION] files

TEST_F(Room, TrophyFileIsReadAsFarAsItIsSound) {
    const std::string path = dir.path() + "/settings/ANNA.trp";
    auto readBack = [&](const std::string& bytes) {
        writeBytes(path, bytes);
        readProfileTrophies("ANNA");
        std::vector<int> earned, fresh;
        for (int n = 1; n <= kTrophyCount; ++n) {
            if (trophyEarned(n)) earned.push_back(n);
            if (trophyIsNew(n)) fresh.push_back(n);
        }
        return std::make_pair(earned, fresh);
    };
    using V = std::vector<int>;
    std::string full = pairs({{1, 0}, {2, 1}, {5, 0}, {17, 1}});
    EXPECT_EQ(readBack(full), std::make_pair(V{1, 2, 5, 17}, V{2, 17}));
    // Long: the 34 bytes count, the rest is ignored.
    EXPECT_EQ(readBack(full + "\x07\x07garbage"), std::make_pair(V{1, 2, 5, 17}, V{2, 17}));
    // Short, cut inside the pair of trophy 5: pairs 1 to 4 only.
    EXPECT_EQ(readBack(full.substr(0, 9)), std::make_pair(V{1, 2}, V{2}));
    // A byte other than 0 or 1 (in trophy 3's pair): read up to it.
    std::string bad = full;
    bad[5] = 7;
    EXPECT_EQ(readBack(bad), std::make_pair(V{1, 2}, V{2}));
    // New without earned is nothing to present.
    EXPECT_EQ(readBack(std::string("\x01\x00", 2) + full.substr(2)), std::make_pair(V{2, 5, 17}, V{2, 17}));
    EXPECT_EQ(readBack(""), std::make_pair(V{}, V{}));
    readBack(full);
    std::filesystem::remove(path);
    readProfileTrophies("ANNA");
    EXPECT_EQ(firstNewTrophy(), 0);
    EXPECT_FALSE(trophyEarned(1)) << "a missing file: nothing earned";
}

TEST_F(Room, LayoutFileOrTheDefault) {
    // A sound file: each place read, the other bytes kept for the write-back.
    uint8_t image[kTrophyLayoutFileSize];
    for (int i = 0; i < kTrophyLayoutFileSize; ++i) image[i] = uint8_t(i * 7 + 3);
    for (int n = 0; n < kTrophyCount; ++n) {
        uint8_t* r = image + n * kTrophyLayoutRecordSize;
        putFloat32(r + kLayoutWidthAt, 60);
        putFloat32(r + kLayoutHeightAt, 70);
        putFloat32(r + kLayoutXAt, float(10 * n));
        putFloat32(r + kLayoutYAt, -float(n));
        putFloat32(r + kLayoutScaleAt, 1.5f);
    }
    std::filesystem::create_directories(dir.path() + "/trophyes");
    setCurrentDirectory(dir.path() + "/trophyes");
    auto load = [&](const uint8_t* bytes, size_t size) {
        writeBytes(dir.path() + "/trophyes/trophy.cfg", std::string(reinterpret_cast<const char*>(bytes), size));
        resetTrophyLayout();
        loadTrophyLayout(kSixtyFour, kSixtyFour);
        return trophyLayout().fromFile;
    };
    ASSERT_TRUE(load(image, sizeof image));
    EXPECT_EQ(trophyPlace(17).x, 160);
    EXPECT_EQ(trophyPlace(17).y, -16);
    EXPECT_EQ(trophyRect(trophyPlace(1)), Rect::fromCentre(0, 0, 90, 105));
    EXPECT_EQ(trophyPlace(3).hovered, image[2 * kTrophyLayoutRecordSize + kLayoutHoveredAt]);
    trophyPlace(3).hovered = 0;
    ASSERT_TRUE(writeTrophyLayout());
    std::string written = readBytes(dir.path() + "/trophyes/trophy.cfg");
    image[2 * kTrophyLayoutRecordSize + kLayoutHoveredAt] = 0;
    EXPECT_EQ(written, std::string(reinterpret_cast<const char*>(image), sizeof image));

    // Wrong sizes and places or scales that are no numbers: the default layout.
    EXPECT_FALSE(load(image, sizeof image - 1));
    EXPECT_FALSE(load(image, 0));
    std::string longer(reinterpret_cast<const char*>(image), sizeof image);
    longer += "x";
    EXPECT_FALSE(load(reinterpret_cast<const uint8_t*>(longer.data()), longer.size()));
    for (int at : {kLayoutXAt, kLayoutYAt, kLayoutScaleAt, kLayoutWidthAt}) {
        uint8_t broken[kTrophyLayoutFileSize];
        std::memcpy(broken, image, sizeof broken);
        putFloat32(broken + 9 * kTrophyLayoutRecordSize + at,
                   at == kLayoutScaleAt ? std::numeric_limits<float>::infinity() : std::nanf(""));
        EXPECT_FALSE(load(broken, sizeof broken)) << at;
    }
    EXPECT_NEAR(trophyPlace(17).x, 44.705883f * 16 - 380, 1e-3);
    EXPECT_NEAR(trophyPlace(17).y, 280 - 32.941177f * 16, 1e-3);
    EXPECT_EQ(trophyRect(trophyPlace(1)), Rect::fromCentre(-380, 280, 64, 64));

    // A place that cannot be written refuses quietly: the game goes on.
    std::filesystem::create_directories(dir.path() + "/gone");
    setCurrentDirectory(dir.path() + "/gone");
    loadTrophyLayout(kSixtyFour, kSixtyFour);
    setCurrentDirectory(dir.path());
    std::filesystem::remove_all(dir.path() + "/gone");
    EXPECT_FALSE(writeTrophyLayout());
}

// [SECTION] awards

// A settled puzzle level that stays open, with the board's sounds counted.
int getTrophySounds = 0;
void settledLevel() {
    playState = PlayState{};
    playState.mode = kPuzzle;
    resetLevelState();
    gs.figureCount = 4;
    gs.moveLimit = 1000;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) board[r][c].fig.kind = (r % 2) * 2 + c % 2;
    board[0][11].ground = 1;
    board[10][0].fig.kind = board[10][1].fig.kind = 6; // a group: no recolouring, the board stays settled
    getTrophySounds = 0;
    boardOutward.playSound = [](const char* name, int) { getTrophySounds += std::string(name) == "GetTrophy.ogg"; };
}

TEST_F(Room, AwardingAnEarnedTrophyChangesNothingAndAnnouncesNothing) {
    connectBoardTrophies();
    settledLevel();
    EXPECT_TRUE(boardOutward.requestTrophy(5));
    EXPECT_EQ(trp(), pairs({{5, 1}}));
    EXPECT_EQ(firstNewTrophy(), 5);
    // A new trophy is announced: the board pauses after 500 ms.
    for (int i = 0; i < 40; ++i) tick(16);
    EXPECT_TRUE(gs.paused);
    // Presented in the room, it is no longer new.
    enterTrophyRoom(kRoomFromMainMenu);
    untilPanelWaits();
    trophyRoomClick(okButton());
    roomFrames(600);
    EXPECT_EQ(trp(), pairs({{5, 0}}));

    std::filesystem::remove(dir.path() + "/settings/ANNA.trp");
    settledLevel();
    EXPECT_FALSE(boardOutward.requestTrophy(5));
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/settings/ANNA.trp")) << "nothing written";
    EXPECT_TRUE(trophyEarned(5));
    EXPECT_EQ(firstNewTrophy(), 0);
    for (int i = 0; i < 120; ++i) tick(16);
    EXPECT_EQ(gs.trophyClock, 0);
    EXPECT_FALSE(gs.paused);
    EXPECT_EQ(getTrophySounds, 0);
    for (int n : {0, 18, -1}) EXPECT_FALSE(awardTrophy(n));

    // Without a profile nothing can own a trophy.
    removeProfile(0);
    EXPECT_FALSE(awardTrophy(7));
    EXPECT_FALSE(trophyEarned(7));
}

// [SECTION] the room

TEST_F(Room, QuietStartThenHoverRestAndClickShowTheDescription) {
    trophyState().earned[4] = trophyState().earned[15] = 1;
    enterTrophyRoom(kRoomFromMainMenu);
    EXPECT_EQ(roomCalls.scenes, std::vector<std::string>{"room"});
    EXPECT_EQ(roomCalls.particleClears, 1);
    EXPECT_EQ(currentBackground(), kTrophyRoomBackground);
    // The first second nothing reacts, not even the exit sign.
    roomFrames(900, placeOf(5));
    trophyRoomClick(Vec2{kExitSignX, kExitSignY});
    trophyRoomKeyDown(27);
    EXPECT_EQ(trophyRoom().hovered, 0);
    EXPECT_FALSE(trophyRoom().leaving);

    roomFrames(200, placeOf(5));
    EXPECT_EQ(trophyRoom().hovered, 5);
    EXPECT_EQ(trophyPlace(5).hovered, 1);
    EXPECT_EQ(trophyPlace(16).hovered, 0);
    roomFrames(1800, placeOf(5)); // 1920 ms on it
    EXPECT_FALSE(trophyRoom().balloonShown);
    roomFrames(100, placeOf(5));
    EXPECT_TRUE(trophyRoom().balloonShown);
    EXPECT_STREQ(trophyDescription(5, "UNKNOW"), "Silver Purse: 7,000.");
    EXPECT_STREQ(trophyDescription(3, "UNKNOW"), "UNKNOW");

    // To another trophy: the rest starts again; a click shows it at once.
    roomFrames(1000, placeOf(16));
    EXPECT_EQ(trophyRoom().hovered, 16);
    EXPECT_FALSE(trophyRoom().balloonShown);
    trophyRoomClick(placeOf(16));
    EXPECT_TRUE(trophyRoom().balloonShown);
    // A trophy not earned is not there to hover.
    roomFrames(100, placeOf(9));
    EXPECT_EQ(trophyRoom().hovered, 0);
    EXPECT_FALSE(trophyRoom().balloonShown);
    EXPECT_EQ(trophyAt(placeOf(9)), 0);
}

TEST_F(Room, NewTrophiesArePresentedInNumberOrderThenTakeTheirPlace) {
    EXPECT_TRUE(awardTrophy(16));
    EXPECT_TRUE(awardTrophy(2));
    enterTrophyRoom(kRoomFromMainMenu);
    roomFrames(1000);
    EXPECT_EQ(trophyRoom().presented, 2);
    EXPECT_EQ(trophyRoom().presentation, Presentation::kGrowing);
    EXPECT_LT(presentationScale(), 0.2f);
    // The button answers only once the panel has grown.
    trophyRoomClick(okButton());
    roomFrames(250);
    EXPECT_NEAR(presentationScale(), 0.75f, 0.08f);
    roomFrames(300);
    ASSERT_EQ(trophyRoom().presentation, Presentation::kWaiting);
    EXPECT_EQ(presentationScale(), 1);
    // Hover and the exit wait behind the panel.
    trophyRoomKeyDown(27);
    trophyRoomClick(Vec2{kExitSignX, kExitSignY});
    EXPECT_FALSE(trophyRoom().leaving);
    trophyRoomClick(Vec2{0, 0});
    EXPECT_EQ(trophyRoom().presentation, Presentation::kWaiting);

    trophyRoomClick(okButton());
    EXPECT_EQ(trophyRoom().presentation, Presentation::kShrinking);
    roomFrames(400);
    EXPECT_TRUE(trophyIsNew(2)) << "still shrinking";
    EXPECT_TRUE(roomCalls.effects.empty());
    roomFrames(120);
    EXPECT_FALSE(trophyIsNew(2));
    EXPECT_EQ(trp(), pairs({{2, 0}, {16, 1}}));
    ASSERT_EQ(roomCalls.effects.size(), 1u);
    EXPECT_EQ(roomCalls.effects[0].name, "trophyadd2");
    EXPECT_EQ(roomCalls.effects[0].x, trophyPlace(2).x);
    EXPECT_EQ(roomCalls.effects[0].y, trophyPlace(2).y);
    EXPECT_EQ(trophyAt(placeOf(2)), 2) << "in its place";

    roomFrames(32);
    EXPECT_EQ(trophyRoom().presented, 16);
    untilPanelWaits();
    trophyRoomKeyDown(13); // Enter answers for the button
    roomFrames(600);
    EXPECT_EQ(trophyRoom().presentation, Presentation::kIdle);
    EXPECT_EQ(trp(), pairs({{2, 0}, {16, 0}}));
    EXPECT_EQ(roomCalls.effects.size(), 2u);
}

TEST_F(Room, LeavingGoesBackWhereTheRoomWasEntered) {
    // From the timeless screen, by the exit sign: its screen and the map. The
    // screen has closed before the room opens, as its item closes it.
    ASSERT_TRUE(openScreenByName("timeless"));
    roomFrames(400);
    ASSERT_TRUE(closeCurrentScreen());
    roomFrames(400);
    ASSERT_EQ(transitionAmount(), 1);
    setBackground(3);
    trophyState().earned[0] = 1;
    enterTrophyRoom(1);
    roomFrames(1000);
    trophyRoomClick(Vec2{kExitSignX, kExitSignY});
    EXPECT_TRUE(trophyRoom().leaving);
    roomFrames(900);
    EXPECT_TRUE(trophyRoomShown());
    roomFrames(150);
    EXPECT_FALSE(trophyRoomShown());
    EXPECT_EQ(roomCalls.scenes, (std::vector<std::string>{"room", "menu" + std::to_string(kMenuMap)}));
    roomFrames(400);
    EXPECT_TRUE(currentScreenIs("timeless"));
    EXPECT_EQ(transitionAmount(), 0) << "shown again";
    EXPECT_EQ(currentBackground(), kMainMenuBackground);

    // From the main menu, by Escape: the main menu, and the layout written back.
    std::filesystem::create_directories(dir.path() + "/trophyes");
    setCurrentDirectory(dir.path() + "/trophyes");
    loadTrophyLayout(kSixtyFour, kSixtyFour);
    setCurrentDirectory(builtData());
    roomCalls.scenes.clear();
    enterTrophyRoom(kRoomFromMainMenu);
    roomFrames(1000);
    trophyRoomKeyDown(27);
    roomFrames(1050);
    EXPECT_EQ(roomCalls.scenes, (std::vector<std::string>{"room", "menu" + std::to_string(kMenuMain)}));
    EXPECT_TRUE(currentScreenIs("main"));
    uint8_t expected[kTrophyLayoutFileSize];
    encodeTrophyLayout(trophyLayout(), expected);
    EXPECT_EQ(readBytes(dir.path() + "/trophyes/trophy.cfg"),
              std::string(reinterpret_cast<const char*>(expected), sizeof expected));

    // From gameplay: the level's painting again, and the game scene.
    setBackground(7);
    roomCalls.scenes.clear();
    enterTrophyRoom(kRoomFromGameplay);
    EXPECT_EQ(currentBackground(), kTrophyRoomBackground);
    roomFrames(1000);
    trophyRoomKeyDown(27);
    roomFrames(1050);
    EXPECT_EQ(roomCalls.scenes, (std::vector<std::string>{"room", "game"}));
    EXPECT_EQ(currentBackground(), 7);
}

TEST_F(Room, ShippedRoomLoadsAndANewProfileSeesItEmpty) {
    for (const char* a : {"targa.dat", "texts.dat"}) openArchive(a);
    loadTrophies();
    for (const char* a : {"targa.dat", "texts.dat"}) closeArchive(a);
    const TrophyMedia& m = trophyMedia();
    for (int i = 0; i < kTrophyCount; ++i) {
        ASSERT_NE(m.picture[i], nullptr) << i;
        ASSERT_NE(m.glow[i], nullptr) << i;
        EXPECT_EQ(m.picture[i]->width, 64);
    }
    ASSERT_NE(m.exitSign, nullptr);
    for (TextureRecord* t : m.mask) {
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->isRenderTarget);
        EXPECT_EQ(t->width, kMaskTextureSize);
    }
    // The shipped layout: on the screen, clear of the exit sign and of each other.
    ASSERT_TRUE(trophyLayout().fromFile);
    Rect exit = Rect::fromCentre(kExitSignX, kExitSignY, kExitSignSize, kExitSignSize);
    auto overlap = [](const Rect& a, const Rect& b) { return a.x0 < b.x1 && b.x0 < a.x1 && a.y1 < b.y0 && b.y1 < a.y0; };
    for (int a = 1; a <= kTrophyCount; ++a) {
        Rect r = trophyRect(trophyPlace(a));
        EXPECT_TRUE(r.x0 >= -400 && r.x1 <= 400 && r.y1 >= -300 && r.y0 <= 300) << a;
        EXPECT_FALSE(overlap(r, exit)) << a;
        for (int b = a + 1; b <= kTrophyCount; ++b) EXPECT_FALSE(overlap(r, trophyRect(trophyPlace(b)))) << a << " " << b;
    }

    // A new profile: its file has every pair cleared, and the room shows no trophy.
    ASSERT_TRUE(addProfile("BOB"));
    setCurrentDirectory(builtData()); // the profile's files were written from the data directory
    EXPECT_EQ(trp("BOB"), std::string(kTrophyFileSize, '\0'));
    static int trophyDraws;
    auto countTrophyDraws = [] {
        trophyDraws = 0;
        setDrawHook(
            [](const void*, int, int, uint32_t, PrimitiveType, void*) {
                for (int i = 0; i < kTrophyCount; ++i)
                    trophyDraws += currentTexture() == trophyMedia().picture[i] || currentTexture() == trophyMedia().glow[i];
            },
            nullptr);
        drawTrophyRoom(16);
        setDrawHook(nullptr, nullptr);
        return trophyDraws;
    };
    enterTrophyRoom(kRoomFromMainMenu);
    roomFrames(2000);
    EXPECT_EQ(trophyRoom().presentation, Presentation::kIdle);
    EXPECT_EQ(countTrophyDraws(), 0);
    for (int n = 1; n <= kTrophyCount; ++n) EXPECT_EQ(trophyAt(placeOf(n)), 0);
    // Earned and presented: one picture each, its glow too while hovered.
    trophyState().earned[3] = trophyState().earned[12] = 1;
    roomFrames(16, placeOf(13));
    EXPECT_EQ(countTrophyDraws(), 3);
}

} // namespace
