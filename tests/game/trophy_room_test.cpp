// The trophy files, the awards and the room: presentation, hover and
// balloon, the ways out, and the room as the shipped data set builds it.
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

#include <cmath>
#include <filesystem>

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
        std::string texts = "trophytip5=Silver Purse: 7,000.\r\nx=\r\n";
        parseTextBlock(texts.data(), int(texts.size()));
        const char* src = std::getenv("AW_SOURCE_DIR");
        std::string menu = readBytes(std::string(src) + "/data/menus/menu.txt");
        std::string menuTexts = readBytes(std::string(src) + "/data/menus/menutext.txt");
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
    std::string trp(const char* name = "ANNA") const { return readBytes(dir.path() + "/settings/" + name + ".trp"); }
    static Vec2 placeOf(int n) { return Vec2{trophyPlace(n).x, trophyPlace(n).y}; }
    static void untilPanelWaits() {
        for (int i = 0; i < 200 && trophyRoom().presentation != Presentation::kWaiting; ++i) roomFrames(16);
        ASSERT_EQ(trophyRoom().presentation, Presentation::kWaiting);
    }
};

const Vec2 kOk{0, kPanelButtonY}, kExit{kExitSignX, kExitSignY};

// A "%s.trp" image with the given trophies earned, (number, new).
std::string pairs(std::initializer_list<std::pair<int, int>> set) {
    std::string b(kTrophyFileSize, '\0');
    for (auto [n, isNew] : set) {
        b[size_t(2 * (n - 1))] = char(isNew);
        b[size_t(2 * (n - 1) + 1)] = 1;
    }
    return b;
}

TEST_F(Room, FilesAreTrustedOnlyAsFarAsTheyAreSound) {
    auto trophiesOf = [&](const std::string& bytes) {
        writeBytes(dir.path() + "/settings/ANNA.trp", bytes);
        readProfileTrophies("ANNA");
        std::string seen;
        for (int n = 1; n <= kTrophyCount; ++n) seen += trophyIsNew(n) ? 'N' : trophyEarned(n) ? 'E' : '.';
        return seen;
    };
    std::string full = pairs({{1, 0}, {2, 1}, {5, 0}, {17, 1}});
    EXPECT_EQ(trophiesOf(full), "EN..E...........N");
    EXPECT_EQ(trophiesOf(full + "\x07garbage"), "EN..E...........N") << "long: the 34 bytes count";
    EXPECT_EQ(trophiesOf(full.substr(0, 9)), "EN...............") << "cut inside trophy 5's pair";
    EXPECT_EQ(trophiesOf(full.substr(0, 5) + '\x07' + full.substr(6)), "EN...............") << "a 7";
    EXPECT_EQ(trophiesOf(std::string("\x01\x00", 2) + full.substr(2)), ".N..E...........N") << "new, not earned";

    // The layout: a sound file is read and written back with every other byte kept.
    std::string cfg(kTrophyLayoutFileSize, '\0');
    for (int i = 0; i < kTrophyLayoutFileSize; ++i) cfg[size_t(i)] = char(i * 7 + 3);
    auto field = [&](int n, int at, float v) { putFloat32(reinterpret_cast<uint8_t*>(&cfg[size_t((n - 1) * 92 + at)]), v); };
    for (int n = 1; n <= kTrophyCount; ++n)
        for (auto [at, v] : {std::pair{kLayoutWidthAt, 60.f}, {kLayoutHeightAt, 70.f}, {kLayoutXAt, 10.f * n},
                             {kLayoutYAt, -1.f * n}, {kLayoutScaleAt, 1.5f}})
            field(n, at, v);
    std::filesystem::create_directories(dir.path() + "/trophyes");
    auto layoutOf = [&](const std::string& bytes) {
        writeBytes(dir.path() + "/trophyes/trophy.cfg", bytes);
        setCurrentDirectory(dir.path() + "/trophyes");
        loadTrophyLayout(kSixtyFour, kSixtyFour);
        return trophyLayout().fromFile;
    };
    ASSERT_TRUE(layoutOf(cfg));
    EXPECT_EQ(trophyRect(trophyPlace(17)), Rect::fromCentre(170, -17, 90, 105));
    ASSERT_TRUE(writeTrophyLayout());
    EXPECT_EQ(readBytes(dir.path() + "/trophyes/trophy.cfg"), cfg);
    // Wrong sizes, or a place or scale that is no number: the default layout.
    EXPECT_FALSE(layoutOf(cfg.substr(1)));
    EXPECT_FALSE(layoutOf(cfg + "x"));
    std::string sound = cfg;
    field(9, kLayoutXAt, std::nanf(""));
    EXPECT_FALSE(layoutOf(cfg));
    cfg = sound;
    field(3, kLayoutScaleAt, INFINITY);
    EXPECT_FALSE(layoutOf(cfg));
    EXPECT_NEAR(trophyPlace(17).x, 44.705883f * 16 - 380, 1e-3);
    EXPECT_NEAR(trophyPlace(17).y, 280 - 32.941177f * 16, 1e-3);
    EXPECT_EQ(trophyRect(trophyPlace(1)), Rect::fromCentre(-380, 280, 64, 64));
    // Where the layout cannot be written back, the game just goes on.
    std::filesystem::remove_all(dir.path() + "/trophyes");
    EXPECT_FALSE(writeTrophyLayout());
}

TEST_F(Room, AwardingAnEarnedTrophyChangesNothingAndAnnouncesNothing) {
    connectBoardTrophies();
    static int getTrophySounds;
    auto settledLevel = [] {
        playState = PlayState{};
        playState.mode = kPuzzle;
        resetLevelState();
        gs.figureCount = 4;
        gs.moveLimit = 1000;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) board[r][c].fig.kind = (r % 2) * 2 + c % 2;
        board[10][0].fig.kind = board[10][1].fig.kind = 6; // a group, so nothing is recoloured
        board[0][11].ground = 1;
        getTrophySounds = 0;
        boardOutward.playSound = [](const char* name, int) { getTrophySounds += std::string(name) == "GetTrophy.ogg"; };
    };
    settledLevel();
    EXPECT_TRUE(boardOutward.requestTrophy(5));
    EXPECT_EQ(trp(), pairs({{5, 1}}));
    for (int i = 0; i < 40; ++i) tick(16);
    EXPECT_TRUE(gs.paused) << "a new trophy is announced";
    enterTrophyRoom(kRoomFromMainMenu);
    untilPanelWaits();
    trophyRoomClick(kOk);
    roomFrames(600);
    EXPECT_EQ(trp(), pairs({{5, 0}}));

    std::filesystem::remove(dir.path() + "/settings/ANNA.trp");
    settledLevel();
    EXPECT_FALSE(boardOutward.requestTrophy(5));
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/settings/ANNA.trp")) << "nothing written";
    EXPECT_EQ(firstNewTrophy(), 0);
    for (int i = 0; i < 120; ++i) tick(16);
    EXPECT_FALSE(gs.paused);
    EXPECT_EQ(getTrophySounds, 0);
    for (int n : {0, 18}) EXPECT_FALSE(awardTrophy(n));
    removeProfile(0);
    EXPECT_FALSE(awardTrophy(7)) << "no profile to own it";
}

TEST_F(Room, PresentationThenHoverAndTheDescription) {
    EXPECT_TRUE(awardTrophy(16));
    EXPECT_TRUE(awardTrophy(5));
    enterTrophyRoom(kRoomFromMainMenu);
    EXPECT_EQ(roomCalls.scenes, std::vector<std::string>{"room"});
    EXPECT_EQ(roomCalls.particleClears, 1);
    EXPECT_EQ(currentBackground(), kTrophyRoomBackground);
    roomFrames(900);
    EXPECT_EQ(trophyRoom().presentation, Presentation::kIdle) << "the first second nothing reacts";
    roomFrames(120);
    EXPECT_EQ(trophyRoom().presented, 5) << "the lowest number first";
    trophyRoomClick(kOk); // not yet: the panel grows
    roomFrames(250);
    EXPECT_NEAR(presentationScale(), 0.8f, 0.08f);
    untilPanelWaits();
    trophyRoomKeyDown(27);
    trophyRoomClick(kExit);
    EXPECT_FALSE(trophyRoom().leaving) << "the way out waits behind the panel";
    trophyRoomClick(kOk);
    roomFrames(400);
    EXPECT_TRUE(trophyIsNew(5)) << "still shrinking";
    roomFrames(120);
    EXPECT_EQ(trp(), pairs({{5, 0}, {16, 1}}));
    ASSERT_EQ(roomCalls.effects.size(), 1u);
    EXPECT_EQ(roomCalls.effects[0].name, "trophyadd2");
    EXPECT_EQ(Vec2(roomCalls.effects[0].x, roomCalls.effects[0].y), placeOf(5));
    untilPanelWaits();
    EXPECT_EQ(trophyRoom().presented, 16);
    trophyRoomKeyDown(13);
    roomFrames(600);
    EXPECT_EQ(trp(), pairs({{5, 0}, {16, 0}}));

    // Resting 2000 ms on a trophy, or a click, shows its description.
    roomFrames(1984, placeOf(5));
    EXPECT_EQ(trophyPlace(5).hovered, 1);
    EXPECT_FALSE(trophyRoom().balloonShown);
    roomFrames(32, placeOf(5));
    EXPECT_TRUE(trophyRoom().balloonShown);
    EXPECT_STREQ(trophyDescription(5, "UNKNOW"), "Silver Purse: 7,000.");
    EXPECT_STREQ(trophyDescription(16, "UNKNOW"), "UNKNOW");
    roomFrames(500, placeOf(16));
    EXPECT_FALSE(trophyRoom().balloonShown);
    trophyRoomClick(placeOf(16));
    EXPECT_TRUE(trophyRoom().balloonShown);
    roomFrames(16, placeOf(9));
    EXPECT_EQ(trophyRoom().hovered, 0) << "not earned, not there";
}

TEST_F(Room, LeavingGoesBackWhereTheRoomWasEntered) {
    // From the timeless screen (its item closed it) by the exit sign.
    ASSERT_TRUE(openScreenByName("timeless"));
    roomFrames(400);
    ASSERT_TRUE(closeCurrentScreen());
    roomFrames(400);
    trophyState().earned[0] = 1;
    enterTrophyRoom(1);
    roomFrames(1000);
    trophyRoomClick(kExit);
    roomFrames(900);
    EXPECT_TRUE(trophyRoomShown()) << "the iris closes first";
    roomFrames(500);
    EXPECT_EQ(roomCalls.scenes, (std::vector<std::string>{"room", "menu" + std::to_string(kMenuMap)}));
    EXPECT_TRUE(currentScreenIs("timeless"));
    EXPECT_EQ(transitionAmount(), 0) << "shown again";
    EXPECT_EQ(currentBackground(), kMainMenuBackground);
    EXPECT_EQ(trp(), pairs({{1, 0}})) << "written on the way out";

    // From the main menu by Escape, which writes the layout back.
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
    EXPECT_EQ(readBytes(dir.path() + "/trophyes/trophy.cfg").size(), size_t(kTrophyLayoutFileSize));

    // From gameplay: the level's painting and the game scene.
    setBackground(7);
    roomCalls.scenes.clear();
    enterTrophyRoom(kRoomFromGameplay);
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
        ASSERT_TRUE(m.picture[i] && m.glow[i]) << i;
        EXPECT_EQ(m.picture[i]->width, 64);
    }
    ASSERT_TRUE(m.exitSign && m.mask[0] && m.mask[1]);
    EXPECT_TRUE(m.mask[1]->isRenderTarget && m.mask[1]->width == kMaskTextureSize);
    // Its layout keeps every trophy on the screen, off the exit sign and off the others.
    ASSERT_TRUE(trophyLayout().fromFile);
    auto overlap = [](const Rect& a, const Rect& b) { return a.x0 < b.x1 && b.x0 < a.x1 && a.y1 < b.y0 && b.y1 < a.y0; };
    for (int a = 1; a <= kTrophyCount; ++a) {
        Rect r = trophyRect(trophyPlace(a));
        EXPECT_TRUE(r.x0 >= -400 && r.x1 <= 400 && r.y1 >= -300 && r.y0 <= 300) << a;
        EXPECT_FALSE(overlap(r, Rect::fromCentre(kExit.x, kExit.y, kExitSignSize, kExitSignSize))) << a;
        for (int b = a + 1; b <= kTrophyCount; ++b) EXPECT_FALSE(overlap(r, trophyRect(trophyPlace(b)))) << a << " " << b;
    }

    ASSERT_TRUE(addProfile("BOB"));
    setCurrentDirectory(builtData()); // the profile's files were written from the data directory
    EXPECT_EQ(trp("BOB"), std::string(kTrophyFileSize, '\0'));
    static int trophyDraws;
    auto drawnTrophies = [] {
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
    EXPECT_EQ(drawnTrophies(), 0) << "an empty room";
    // Earned ones stand in it, the hovered one with its glow.
    trophyState().earned[3] = trophyState().earned[12] = 1;
    roomFrames(16, placeOf(13));
    EXPECT_EQ(drawnTrophies(), 3);
}

} // namespace
