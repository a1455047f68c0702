// The map's pictures from the built data set and from damaged copies of it,
// the artefact pieces, the miniature board and what the drawing submits.
#include "render/render_support.h"

#include "board/level_file.h"
#include "board/play_state.h"
#include "game/map_draw.h"
#include "game/map_media.h"
#include "game/map_outward.h"
#include "game/map_path.h"
#include "game/map_state.h"

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace aw {
namespace {

std::string builtData() {
    const char* build = std::getenv("AW_BUILD_DIR");
    return std::string(build ? build : ".") + "/Data/";
}

class MapMediaTest : public awtest::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        previousDirectory = currentDirectory();
        resetMapMedia();
        resetMapState();
        resetMapPath();
        playState = PlayState{};
        mapOutward.startEffect = nullptr;
        mapOutward.playSound = nullptr;
    }
    void TearDown() override {
        setCurrentDirectory(previousDirectory);
        mapOutward = defaultMapOutward();
        resetMapMedia();
        RenderTest::TearDown();
    }
    std::string previousDirectory;
    uint8_t blue(const TextureRecord* t, int x, int y) { return t->pixels[(size_t(y) * t->width + x) * 4]; }
};

TEST_F(MapMediaTest, ShippedPicturesLoadAndEachPieceIsTheArtThroughItsMask) {
    setUpMapMedia(builtData());
    const MapMedia& m = mapMedia();
    ASSERT_TRUE(m.chart && m.backdrop && m.frame && m.compass && m.start && m.star && m.standIn);
    EXPECT_EQ(mapState.chartSize, Vec2(float(m.chart->width), float(m.chart->height)));
    for (int i = 0; i < kFragmentCount; ++i) {
        ASSERT_TRUE(m.cover[i] && m.mask[i] && m.piece[i]) << i;
        EXPECT_NE(m.mask[i], m.standIn) << "the shipped masks are all there";
        Vec2 c = mapState.fragmentCentre[i];
        EXPECT_TRUE(c.x > 0.05f && c.x < 0.95f && c.y > 0.05f && c.y < 0.95f) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_GT(std::hypot(c.x - mapState.fragmentCentre[j].x, c.y - mapState.fragmentCentre[j].y), 0.05f);
    }
    prepareArtefactPieces(3);
    const TextureRecord* art = m.art[3];
    for (int i = 0; i < kFragmentCount; ++i) {
        const TextureRecord* piece = m.piece[i];
        ASSERT_EQ(piece->width, art->width);
        for (int y = 0; y < piece->height; y += 7)
            for (int x = 0; x < piece->width; x += 7) {
                const uint8_t* p = &piece->pixels[(size_t(y) * piece->width + x) * 4];
                ASSERT_EQ(p[3], blue(m.mask[i], x * m.mask[i]->width / piece->width, y * m.mask[i]->height / piece->height));
                ASSERT_EQ(p[0], art->pixels[(size_t(y) * art->width + x) * 4]);
            }
    }
    // Together the ten pieces cover the whole picture exactly once, and the
    // panel shows a piece where it is in place and its cover where it is not.
    const TextureRecord* p0 = m.piece[0];
    const TextureRecord* panel = prepareArtefactPanel(3, 1u << 4);
    ASSERT_TRUE(panel && panel->width == p0->width);
    for (int t = 0; t < p0->width * p0->height; t += 13) {
        int lit = 0, owner = -1;
        for (int i = 0; i < kFragmentCount; ++i)
            if (m.piece[i]->pixels[size_t(t) * 4 + 3] > 127) ++lit, owner = i;
        ASSERT_EQ(lit, 1) << "texel " << t;
        if (m.piece[owner]->pixels[size_t(t) * 4 + 3] < 255) continue; // the soft edge between two pieces
        const TextureRecord* shown = owner == 4 ? m.piece[4] : m.cover[owner];
        for (int c = 0; c < 3; ++c) ASSERT_NEAR(panel->pixels[size_t(t) * 4 + c], shown->pixels[size_t(t) * 4 + c], 1);
    }
}

TEST_F(MapMediaTest, MissingOrOddArtefactFilesTakeTheStandInAndNeverReadPastAMask) {
    awtest::ScratchDir dir;
    std::string data = builtData();
    for (const char* name : {"megamap.jpg", "mapback.jpg", "mapback1.tga", "mapback2.tga", "_a_mapstart.jpg",
                             "maplevelmark.tga", "mapstagemark.tga", "mapstar.tga", "mapartefact_q.tga"})
        fs::copy_file(data + name, dir.path() + "/" + name);
    for (int s = 0; s < kStageCount; ++s) {
        char name[32];
        std::snprintf(name, sizeof name, "smallart%.2i.tga", s);
        fs::copy_file(data + name, dir.path() + "/" + name);
    }
    fs::create_directories(dir.path() + "/mask");
    fs::create_directories(dir.path() + "/artefacts");
    fs::copy_file(data + "mask/zaglushka.jpg", dir.path() + "/mask/zaglushka.jpg");
    // One small mask: its left half lit. Everything else is missing.
    awtest::writeTga(dir.path() + "/mask/mask1.tga", 16, 8, [](int x, int) {
        uint8_t v = x < 8 ? 255 : 0;
        return awtest::Rgba{v, v, v, 255};
    });
    setUpMapMedia(dir.path());
    const MapMedia& m = mapMedia();
    ASSERT_TRUE(m.standIn);
    for (int s = 0; s < kStageCount; ++s) EXPECT_EQ(m.art[s], m.standIn);
    EXPECT_NE(m.mask[0], m.standIn);
    for (int i = 1; i < kFragmentCount; ++i) EXPECT_EQ(m.mask[i], m.standIn);
    EXPECT_NEAR(mapState.fragmentCentre[0].x, 0.25f, 0.01f);
    prepareArtefactPieces(0);
    const TextureRecord* piece = m.piece[0];
    ASSERT_TRUE(piece);
    // The small mask is stretched over the whole piece.
    EXPECT_EQ(piece->pixels[3], 255);
    EXPECT_EQ(piece->pixels[(size_t(piece->width) - 1) * 4 + 3], 0);
    // The map still draws whole.
    placeOnMap(5, 5, 4);
    for (int f = 0; f < 200; ++f) updateMap(16, {});
    DrawRecorder rec;
    drawMap();
    EXPECT_GT(rec.batches.size(), 20u);
}

TEST_F(MapMediaTest, ChartWindowShowsTheChartAroundTheViewCentre) {
    setUpMapMedia(builtData());
    EXPECT_TRUE(loadMapPath()); // the data directory is current again
    placeOnMap(30, 30, -1);
    for (int f = 0; f < 400; ++f) updateMap(16, {120, -80});
    DrawRecorder rec;
    drawMap();
    const TextureRecord* chart = mapMedia().chart;
    Vec2 c = mapState.viewCentre;
    int found = 0;
    for (const CapturedBatch& b : rec.batches) {
        if (b.texture != chart) continue;
        ++found;
        ASSERT_EQ(b.vertexCount, 4);
        for (int i = 0; i < 4; ++i) {
            float x = b.floatAt(i, 0), y = b.floatAt(i, 4), u = b.floatAt(i, 16), v = b.floatAt(i, 20);
            // The texel under a screen point is the chart point chartToScreen puts there.
            EXPECT_NEAR(u * float(chart->width), x + c.x, 0.01f);
            EXPECT_NEAR(v * float(chart->height), c.y - y, 0.01f);
        }
    }
    EXPECT_EQ(found, 1);
    // The view never shows beyond the chart's edges.
    EXPECT_GE(c.x, 400);
    EXPECT_LE(c.x, chart->width - 400);
    EXPECT_GE(c.y, 300);
    EXPECT_LE(c.y, chart->height - 300);
}

TEST_F(MapMediaTest, TheNewStarIsDrawnOnlyOnceItAppears) {
    setUpMapMedia(builtData());
    placeOnMap(2, 2, -1);
    for (int f = 0; f < 200; ++f) updateMap(16, {});
    placeOnMap(3, 3, 2);
    Vec2 at = ringLevelScreen(0, 2);
    auto starsAt = [&] {
        DrawRecorder rec;
        drawMap();
        int n = 0;
        for (const CapturedBatch& b : rec.batches) {
            if (b.texture != mapMedia().star || b.vertexCount != 4) continue;
            float x = 0, y = 0;
            for (int i = 0; i < 4; ++i) x += b.floatAt(i, 0) / 4, y += b.floatAt(i, 4) / 4;
            n += std::hypot(x - at.x, y - at.y) < 2;
        }
        return n;
    };
    for (int f = 0; f < 30; ++f) updateMap(16, {});
    EXPECT_EQ(starsAt(), 0) << "level 3 waits for its star";
    for (int f = 0; f < 50; ++f) updateMap(16, {});
    EXPECT_EQ(starsAt(), 1);
}

TEST_F(MapMediaTest, MiniatureFollowsTheSelectedLevelsFile) {
    setUpMapMedia(builtData());
    setLevelDataDirectory(builtData());
    const Miniature& mini = miniatureFor(9);
    ASSERT_TRUE(mini.valid);
    std::string text = awtest::readBytes(builtData() + "levels/pack1_10.lvl");
    LevelLayout expected = parseLevel(text);
    const TextureRecord* picture = mapMedia().miniature;
    ASSERT_TRUE(picture);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            ASSERT_EQ(mini.layout.cells[r][c].ground, expected.cells[r][c].ground);
            // The cell's corner in the picture: dark for a hole, red for a dual square.
            int x = kMiniatureMargin + c * kMiniatureCell, y = kMiniatureMargin + r * kMiniatureCell;
            const uint8_t* p = &picture->pixels[(size_t(y) * picture->width + x) * 4];
            if (expected.cells[r][c].ground < 0) {
                ASSERT_LT(p[2], 60);
            } else if (expected.cells[r][c].ground == 2) {
                ASSERT_EQ(p[2], 196);
            }
        }
    awtest::ScratchDir empty;
    setLevelDataDirectory(empty.path());
    EXPECT_TRUE(miniatureFor(9).valid) << "the same level is not read again";
    EXPECT_FALSE(miniatureFor(10).valid) << "a missing file leaves an empty board, not an exit";
    EXPECT_FALSE(miniatureFor(-1).valid);
    EXPECT_FALSE(miniatureFor(129).valid);
    setLevelDataDirectory("");
}

} // namespace
} // namespace aw
