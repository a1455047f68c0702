// Runs amberwick-art into a fresh directory once, then reads every picture
// back the way the game's loaders will: sizes, formats, alpha layouts, the
// atlas cells and the map path.
#include "picture_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;
using namespace arttest;

namespace {

enum class Kind { Tga, Jpeg, AlphaJpeg, AlphaPicture };

struct Expected {
    std::string path;
    Kind kind;
    int w, h;  // 0 = free size
};

std::string twoDigits(int n) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

// Every picture the game names, with the size its drawing fixes.
std::vector<Expected> expectedPictures() {
    std::vector<Expected> e = {
        {"splash1.jpg", Kind::Jpeg, 800, 600},      {"splash2.jpg", Kind::Jpeg, 800, 600},
        {"loadscreen.jpg", Kind::Jpeg, 800, 600},   {"loadbar.tga", Kind::Tga, 472, 72},
        {"podsvet.jpg", Kind::Jpeg, 0, 0},          {"_a_menutex.jpg", Kind::AlphaJpeg, 256, 512},
        {"_a_baloon.jpg", Kind::AlphaJpeg, 256, 128}, {"white.jpg", Kind::Jpeg, 0, 0},
        {"button.tga", Kind::Tga, 0, 0},            {"_a_gag.jpg", Kind::AlphaJpeg, 0, 0},
        {"_a_gamebar.jpg", Kind::AlphaJpeg, 128, 512}, {"_a_candlestick.jpg", Kind::AlphaJpeg, 128, 512},
        {"_a_candle.jpg", Kind::AlphaJpeg, 64, 512}, {"candlefire.tga", Kind::Tga, 64, 64},
        {"candlepool.tga", Kind::Tga, 128, 64},     {"zep2.tga", Kind::Tga, 0, 0},
        {"bonus1.tga", Kind::Tga, 0, 0},            {"bonus2.tga", Kind::Tga, 0, 0},
        {"heart.tga", Kind::Tga, 0, 0},             {"trophybutton.tga", Kind::Tga, 0, 0},
        {"flare.jpg", Kind::Jpeg, 0, 0},            {"hammer.texture1.tga", Kind::Tga, 64, 128},
        {"hammer.texture2.tga", Kind::Tga, 64, 128}, {"exploanim.tga", Kind::Tga, 0, 0},
        {"megamap.jpg", Kind::Jpeg, 0, 0},          {"mapback.jpg", Kind::Jpeg, 800, 600},
        {"mapback1.tga", Kind::Tga, 0, 0},          {"mapback2.tga", Kind::Tga, 0, 0},
        {"_a_mapstart.jpg", Kind::AlphaJpeg, 0, 0}, {"maplevelmark.tga", Kind::Tga, 0, 0},
        {"mapstagemark.tga", Kind::Tga, 0, 0},      {"mapstar.tga", Kind::Tga, 0, 0},
        {"mapartefact_q.tga", Kind::Tga, 0, 0},     {"mask/zaglushka.jpg", Kind::Jpeg, 0, 0},
        {"baloonarrow.tga", Kind::Tga, 128, 64},    {"exitsign.tga", Kind::Tga, 64, 64},
        {"icon.tga", Kind::Tga, 0, 0},              {"cursor1.tga", Kind::Tga, 32, 32},
        {"cursor2.tga", Kind::Tga, 32, 32},
    };
    for (int i = 1; i <= 5; ++i) e.push_back({"drop" + std::to_string(i) + ".tga", Kind::Tga, 16, 64});
    for (int i = 1; i <= 3; ++i) e.push_back({"hammer.texturelum" + std::to_string(i) + ".jpg", Kind::Jpeg, 128, 128});
    for (int i = 0; i < 3; ++i) e.push_back({"field/field" + std::to_string(i) + ".tga", Kind::Tga, 0, 0});
    for (const char* f : {"aqua", "blue", "green", "red", "orange", "lilac", "white", "yellow"})
        e.push_back({std::string("figures/") + f + ".tga", Kind::Tga, 0, 0});
    for (int i = 0; i < 18; ++i) e.push_back({"AnimBacks/_a_back" + std::to_string(i) + ".jpg", Kind::AlphaPicture, 800, 600});
    for (int i = 0; i < 15; ++i) {
        e.push_back({"artefacts/art" + twoDigits(i) + ".jpg", Kind::Jpeg, 0, 0});
        e.push_back({"smallart" + twoDigits(i) + ".tga", Kind::Tga, 0, 0});
    }
    for (int i = 1; i <= 10; ++i) {
        e.push_back({"mask/cover" + std::to_string(i) + ".tga", Kind::Tga, 0, 0});
        e.push_back({"mask/mask" + std::to_string(i) + ".tga", Kind::Tga, 0, 0});
    }
    // The scenery: each landscape's sky and water, and the shared pieces.
    for (int i = 0; i < 18; ++i) {
        e.push_back({"sky" + std::to_string(i) + ".jpg", Kind::Jpeg, 512, 256});
        e.push_back({"water" + std::to_string(i) + ".jpg", Kind::Jpeg, 256, 256});
    }
    for (const char* n : {"_a_sunwarm.jpg", "_a_sunpale.jpg", "_a_sunset.jpg", "_a_moonglow.jpg"})
        e.push_back({n, Kind::AlphaJpeg, 256, 256});
    for (const char* n : {"_a_oakbranch.jpg", "_a_autumnbranch.jpg", "_a_pinebranch.jpg", "_a_snowbranch.jpg",
                          "_a_palmfrond.jpg"})
        e.push_back({n, Kind::AlphaJpeg, 512, 256});
    e.push_back({"_a_vine.jpg", Kind::AlphaJpeg, 512, 128});
    e.push_back({"_a_reeds.jpg", Kind::AlphaJpeg, 256, 128});
    e.push_back({"_a_flowers.jpg", Kind::AlphaJpeg, 256, 128});
    e.push_back({"_a_spray.jpg", Kind::AlphaJpeg, 64, 64});
    e.push_back({"waterfall.jpg", Kind::Jpeg, 128, 256});
    e.push_back({"wood.jpg", Kind::Jpeg, 64, 64});
    e.push_back({"metal.jpg", Kind::Jpeg, 64, 64});
    for (int i = 1; i <= 17; ++i) {
        e.push_back({"trophyes/trophy" + twoDigits(i) + ".tga", Kind::Tga, 0, 0});
        e.push_back({"trophyes/trophy" + twoDigits(i) + "_glow.tga", Kind::Tga, 0, 0});
    }
    return e;
}

// The painter runs once for the whole suite.
class Pictures : public ::testing::Test {
protected:
    static fs::path dir;
    static std::map<std::string, Decoded> decoded;

    static void SetUpTestSuite() {
        // The painter sits beside this test in the build directory.
        const char* env = std::getenv("AW_BUILD_DIR");
        std::string build = env ? env : fs::read_symlink("/proc/self/exe").parent_path().string();
        dir = fs::temp_directory_path() / ("amberwick-art-test-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        std::string cmd = std::string("\"") + build + "/amberwick-art\" \"" + dir.string() + "\" > /dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    static std::vector<uint8_t> bytes(const std::string& path) {
        auto b = readAll((dir / path).string());
        return b ? *b : std::vector<uint8_t>{};
    }

    // Decoded colour, with the alpha plane applied for alpha-JPEGs.
    static const Decoded& picture(const std::string& path) {
        auto it = decoded.find(path);
        if (it != decoded.end()) return it->second;
        std::vector<uint8_t> b = bytes(path);
        Decoded d;
        bool alpha = path.rfind("_a_") != std::string::npos && path.size() > 4 &&
                     path.compare(path.size() - 4, 4, ".jpg") == 0;
        if (alpha) {
            auto split = splitAlphaJpeg(b);
            if (split)
                if (auto j = decode(split->jpeg)) {
                    d = *j;
                    for (size_t i = 0; i < split->plane.size() && i < size_t(d.w) * d.h; ++i) d.rgba[i * 4 + 3] = split->plane[i];
                }
        } else if (auto j = decode(b)) {
            d = *j;
        }
        return decoded.emplace(path, std::move(d)).first->second;
    }
};
fs::path Pictures::dir;
std::map<std::string, Decoded> Pictures::decoded;

double luminance(const Decoded& d, int x, int y) {
    const uint8_t* p = &d.rgba[(size_t(y) * d.w + x) * 4];
    return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
}

}  // namespace

TEST_F(Pictures, EveryNamedPictureExistsDecodesAndHasItsSize) {
    for (const Expected& e : expectedPictures()) {
        SCOPED_TRACE(e.path);
        std::vector<uint8_t> b = bytes(e.path);
        ASSERT_FALSE(b.empty()) << "missing";
        const Decoded& d = picture(e.path);
        ASSERT_GT(d.w, 0) << "does not decode";
        if (e.w) {
            EXPECT_EQ(d.w, e.w);
            EXPECT_EQ(d.h, e.h);
        }
        // Sized loads stop at 2048; power-of-two wherever the size is free.
        EXPECT_LE(d.w, 2048);
        EXPECT_LE(d.h, 2048);
        if (!e.w || e.kind == Kind::AlphaJpeg) {
            EXPECT_TRUE(isPowerOfTwo(d.w) && isPowerOfTwo(d.h)) << d.w << " x " << d.h;
        }
        if (e.kind == Kind::Tga) {
            // Uncompressed 32-bit with an 8-bit alpha channel.
            ASSERT_GE(b.size(), 18u);
            EXPECT_EQ(b[2], 2) << "image type (2 = uncompressed true colour)";
            EXPECT_EQ(b[16], 32) << "bits per pixel";
            EXPECT_EQ(b[17] & 15, 8) << "alpha bits";
        }
    }
}

TEST_F(Pictures, NoPictureBeyondTheNamedOnesExceptTheMapPathAndRoomLayout) {
    std::set<std::string> known;
    for (const Expected& e : expectedPictures()) known.insert(e.path);
    known.insert("mapspline.spl");
    known.insert("trophyes/trophy.cfg"); // written with the grotto's painting
    EXPECT_EQ(fs::file_size(dir / "trophyes/trophy.cfg"), 1564u);
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::string rel = fs::relative(entry.path(), dir).generic_string();
        EXPECT_TRUE(known.count(rel)) << "unexpected file " << rel;
    }
    // Both gauge TGAs would turn into this one picture.
    EXPECT_FALSE(fs::exists(dir / "_a_hammer.jpg"));
}

TEST_F(Pictures, AlphaJpegsSplitAtTheirFirstEndMarkerIntoJpegAndPlane) {
    for (const Expected& e : expectedPictures()) {
        if (e.kind != Kind::AlphaJpeg && e.kind != Kind::AlphaPicture) continue;
        SCOPED_TRACE(e.path);
        std::vector<uint8_t> b = bytes(e.path);
        auto split = splitAlphaJpeg(b);
        ASSERT_TRUE(split);
        // The JPEG part alone decodes: nothing (a thumbnail) ended it early.
        auto jpeg = decode(split->jpeg);
        ASSERT_TRUE(jpeg);
        ASSERT_GE(split->jpeg.size(), 4u);
        EXPECT_EQ(split->jpeg[0], 0xFF);
        EXPECT_EQ(split->jpeg[1], 0xD8);
        // One start-of-image marker only.
        int soi = 0;
        for (size_t i = 0; i + 1 < split->jpeg.size(); ++i) soi += split->jpeg[i] == 0xFF && split->jpeg[i + 1] == 0xD8;
        EXPECT_EQ(soi, 1);
        // The plane is exactly one byte a texel at the picture's width; for
        // the power-of-two textures that is also the texture's width.
        EXPECT_EQ(split->plane.size(), size_t(jpeg->w) * jpeg->h);
        if (e.kind == Kind::AlphaPicture) {
            EXPECT_EQ(split->plane.size(), 480000u);
        }
    }
}

TEST_F(Pictures, LandscapesAreClearOverTheSkyAndSolidOverTheGround) {
    for (int n = 0; n < 18; ++n) {
        SCOPED_TRACE(n);
        const Decoded& d = picture("AnimBacks/_a_back" + std::to_string(n) + ".jpg");
        ASSERT_EQ(d.w, 800);
        int clear = 0, solidBottom = 0;
        for (int x = 0; x < 800; ++x) {
            clear += d.alphaAt(x, 5) == 0;
            solidBottom += d.alphaAt(x, 595) == 255;
        }
        if (n == 17) {
            // The grotto: rock all round, a clear opening in the middle.
            EXPECT_GT(d.alphaAt(20, 20), 250);
            EXPECT_EQ(d.alphaAt(420, 150), 0);
        } else {
            EXPECT_GT(clear, 400) << "top row should mostly show the sky behind";
        }
        EXPECT_GT(solidBottom + (n == 16 ? 800 : 0), 300) << "ground (or sea for 16) at the bottom";
    }
}

TEST_F(Pictures, FigureStripsHave32FramesAndEightDistinctSilhouettes) {
    const char* kinds[] = {"aqua", "blue", "green", "red", "orange", "lilac", "white", "yellow"};
    std::vector<std::vector<bool>> silhouettes;
    std::vector<double> meanGrey;
    for (const char* k : kinds) {
        SCOPED_TRACE(k);
        const Decoded& d = picture(std::string("figures/") + k + ".tga");
        ASSERT_EQ(d.w, 2 * d.h) << "8 x 4 square cells";
        int cw = d.w / 8, ch = d.h / 4;
        int changed = 0;
        for (int f = 0; f < 32; ++f) {
            int ox = (f % 8) * cw, oy = (f / 8) * ch, opaque = 0, diff = 0;
            for (int y = 0; y < ch; ++y)
                for (int x = 0; x < cw; ++x) {
                    opaque += d.alphaAt(ox + x, oy + y) > 128;
                    for (int c = 0; c < 4; ++c)
                        diff += std::abs(int(d.rgba[(size_t(oy + y) * d.w + ox + x) * 4 + c]) - int(d.rgba[(size_t(y) * d.w + x) * 4 + c])) > 24;
                }
            // A coin seen edge-on is a sliver, but never nothing.
            EXPECT_GT(opaque, cw * ch / 40) << "frame " << f << " is empty";
            // Nothing may touch the cell border, or neighbours bleed in when filtered.
            for (int i = 0; i < cw; ++i) {
                EXPECT_LT(d.alphaAt(ox + i, oy), 8);
                EXPECT_LT(d.alphaAt(ox + i, oy + ch - 1), 8);
            }
            changed += diff > 40;
        }
        EXPECT_GE(changed, 12) << "the loop should visibly move";
        std::vector<bool> s(size_t(cw) * ch);
        double grey = 0;
        int n = 0;
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x) {
                s[size_t(y) * cw + x] = d.alphaAt(x, y) > 128;
                if (s[size_t(y) * cw + x]) grey += luminance(d, x, y), ++n;
            }
        silhouettes.push_back(s);
        meanGrey.push_back(grey / std::max(1, n));
    }
    // Told apart without colour: every pair of idle frames differs in shape.
    for (size_t a = 0; a < silhouettes.size(); ++a)
        for (size_t b = a + 1; b < silhouettes.size(); ++b) {
            int both = 0, either = 0;
            for (size_t i = 0; i < silhouettes[a].size(); ++i) {
                both += silhouettes[a][i] && silhouettes[b][i];
                either += silhouettes[a][i] || silhouettes[b][i];
            }
            EXPECT_LT(double(both) / either, 0.85) << kinds[a] << " and " << kinds[b] << " have nearly the same outline";
        }
}

TEST_F(Pictures, TurnedPiecesAreLitFromTheUpperLeftOnScreen) {
    // Tiles and markers are drawn turned by 180 degrees: in the file their
    // light must come from the lower right.
    for (const char* p : {"field/field0.tga", "field/field1.tga", "field/field2.tga"}) {
        SCOPED_TRACE(p);
        const Decoded& d = picture(p);
        double topLeft = 0, bottomRight = 0;
        for (int i = 4; i < d.w - 4; ++i) {
            topLeft += luminance(d, i, 3) + luminance(d, 3, i);
            bottomRight += luminance(d, i, d.h - 4) + luminance(d, d.w - 4, i);
        }
        EXPECT_GT(bottomRight, topLeft);
    }
    // The figures are drawn upright: their light is in the upper left.
    const Decoded& blue = picture("figures/blue.tga");
    double upper = 0, lower = 0;
    for (int i = 16; i < 48; ++i) {
        upper += luminance(blue, i, 22) * (blue.alphaAt(i, 22) > 128);
        lower += luminance(blue, i, 42) * (blue.alphaAt(i, 42) > 128);
    }
    EXPECT_GT(upper, lower);
}

TEST_F(Pictures, ParticleAtlasHasTheCellsTheGameDrawsDirectly) {
    const Decoded& d = picture("exploanim.tga");
    int columns = d.w / 64, rows = d.h / 64;
    ASSERT_GE(columns * rows, 41);
    std::set<std::vector<uint8_t>> distinct;
    for (int n = 0; n < columns * rows; ++n) {
        SCOPED_TRACE(n);
        int ox = (n % columns) * 64, oy = (n / columns) * 64;
        int lit = 0, edge = 0;
        std::vector<uint8_t> cell;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                uint8_t a = d.alphaAt(ox + x, oy + y);
                lit += a > 32;
                if (x == 0 || y == 0 || x == 63 || y == 63) edge = std::max<int>(edge, a);
                cell.push_back(a);
            }
        EXPECT_GT(lit, 10) << "empty cell";
        EXPECT_LT(edge, 16) << "cell touches its border";
        distinct.insert(cell);
    }
    EXPECT_EQ(int(distinct.size()), columns * rows) << "every cell is its own sprite";
}

TEST_F(Pictures, FragmentMasksTileTheArtefactExactlyOnce) {
    const Decoded& art = picture("artefacts/art00.jpg");
    std::vector<int> cover(size_t(art.w) * art.h, 0);
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const Decoded& m = picture("mask/mask" + std::to_string(i) + ".tga");
        const Decoded& c = picture("mask/cover" + std::to_string(i) + ".tga");
        // The fragment takes its alpha per texel from the mask: same sizes.
        ASSERT_EQ(m.w, art.w);
        ASSERT_EQ(m.h, art.h);
        EXPECT_EQ(c.w, m.w);
        EXPECT_EQ(c.h, m.h);
        int mine = 0;
        for (size_t t = 0; t < cover.size(); ++t) {
            bool in = m.rgba[t * 4 + 2] > 127;  // the blue byte
            cover[t] += in;
            mine += in;
        }
        EXPECT_GT(mine, int(cover.size()) / 30) << "fragment too small to see";
    }
    for (size_t t = 0; t < cover.size(); ++t) ASSERT_EQ(cover[t], 1) << "texel " << t;
    for (int n = 1; n < 15; ++n) {
        const Decoded& other = picture("artefacts/art" + twoDigits(n) + ".jpg");
        EXPECT_EQ(other.w, art.w);
        EXPECT_EQ(other.h, art.h);
    }
}

TEST_F(Pictures, MapPathFollowsTheChartAt20UnitSteps) {
    std::vector<uint8_t> b = bytes("mapspline.spl");
    ASSERT_GE(b.size(), 48u);
    int32_t n;
    float length;
    std::memcpy(&n, b.data(), 4);
    std::memcpy(&length, b.data() + 4, 4);
    ASSERT_GT(n, 15);
    ASSERT_EQ(b.size(), size_t(8 + 8 * n + 40));
    EXPECT_NEAR(length, 20.0 * (n - 1), 0.01);
    const Decoded& map = picture("megamap.jpg");
    for (int i = 0; i < n; ++i) {
        float x, y;
        std::memcpy(&x, b.data() + 8 + 8 * i, 4);
        std::memcpy(&y, b.data() + 12 + 8 * i, 4);
        // The view is 800 x 600 around each point: it must stay on the chart.
        EXPECT_GE(x, 400);
        EXPECT_LE(x, map.w - 400);
        EXPECT_GE(y + 30, 300);
        EXPECT_LE(y + 30, map.h - 300);
        if (i) {
            float px, py;
            std::memcpy(&px, b.data() + 8 * i, 4);
            std::memcpy(&py, b.data() + 4 + 8 * i, 4);
            EXPECT_NEAR(std::hypot(x - px, y - py), 20.0, 0.6) << "point " << i;
        }
    }
}

// The map's 15 stages stand where the game puts them (stage s at s x L / 14
// along the path, every point moved by (0, 30)): each on the painted trail,
// on land with room for its mark, and each further along than the one before.
TEST_F(Pictures, StagePlacesSitOnThePaintedTrailAndOnLand) {
    std::vector<uint8_t> b = bytes("mapspline.spl");
    ASSERT_GE(b.size(), 48u);
    int32_t n;
    float length;
    std::memcpy(&n, b.data(), 4);
    std::memcpy(&length, b.data() + 4, 4);
    ASSERT_EQ(b.size(), size_t(8 + 8 * n + 40));
    auto point = [&](int i) {
        float xy[2];
        std::memcpy(xy, b.data() + 8 + 8 * i, 8);
        return std::pair<double, double>(xy[0], xy[1] + 30.0);
    };
    const Decoded& map = picture("megamap.jpg");
    auto rgb = [&](int x, int y) { return &map.rgba[(size_t(y) * map.w + x) * 4]; };
    auto ink = [&](int x, int y) {
        const uint8_t* p = rgb(x, y);
        return p[0] > 100 && p[0] - p[1] > 60 && p[0] - p[2] > 70 && p[1] < 100;
    };
    auto land = [&](int x, int y) {
        const uint8_t* p = rgb(x, y);
        return p[0] > p[2] + 10;  // the sea is blue-green, the land warm
    };
    std::pair<double, double> previous{-1e9, -1e9};
    for (int s = 0; s < 15; ++s) {
        SCOPED_TRACE("stage " + std::to_string(s + 1));
        double d = std::min<double>(length, s * length / 14.0), f = d / 20.0;
        int i = int(f);
        auto [x, y] = point(std::min(i, n - 1));
        if (i < n - 1) {
            auto [x1, y1] = point(i + 1);
            x += (x1 - x) * (f - i);
            y += (y1 - y) * (f - i);
        }
        int cx = int(x), cy = int(y);
        ASSERT_TRUE(cx >= 40 && cy >= 40 && cx < map.w - 40 && cy < map.h - 40);
        bool onTrail = false;
        for (int dy = -8; dy <= 8 && !onTrail; ++dy)
            for (int dx = -8; dx <= 8 && !onTrail; ++dx) onTrail = dx * dx + dy * dy <= 64 && ink(cx + dx, cy + dy);
        EXPECT_TRUE(onTrail) << "no trail ink near (" << cx << ", " << cy << ")";
        int sea = 0;
        for (int dy = -32; dy <= 32; ++dy)
            for (int dx = -32; dx <= 32; ++dx) sea += dx * dx + dy * dy <= 32 * 32 && !land(cx + dx, cy + dy);
        EXPECT_EQ(sea, 0) << "sea under the mark at (" << cx << ", " << cy << ")";
        // In order and apart: a stage's ring of levels (radius 44) never
        // reaches the mark of the stage before it.
        EXPECT_GT(std::hypot(x - previous.first, y - previous.second), 44.0 + 16 + 32);
        previous = {x, y};
    }
}

TEST_F(Pictures, MenuAtlasCellsInTheirPlaces) {
    const Decoded& d = picture("_a_menutex.jpg");
    ASSERT_EQ(d.w, 256);
    auto used = [&](int col, int row) {
        int lit = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) lit += d.alphaAt(col * 64 + x, row * 64 + y) > 64;
        return lit;
    };
    // Sprites 0-5, 10-25 and the spare 6-9 all have their cells painted.
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 4; ++col) {
            if (row == 2 && col >= 2) {
                EXPECT_EQ(used(col, row), 0) << "unused cell " << col << "," << row;
                continue;
            }
            EXPECT_GT(used(col, row), 40) << col << "," << row;
        }
    // The check box on (1,6) differs from off (1,5).
    int diff = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            diff += std::abs(luminance(d, 64 + x, 384 + y) - luminance(d, 64 + x, 320 + y)) > 40;
    EXPECT_GT(diff, 50);
}
