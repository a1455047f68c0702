// The catalogue text and the layout files: what each holds, how kinds are
// matched, and files that lie about their size.
#include "effects/scenery_catalogue.h"
#include "effects/scenery_files.h"
#include "effects/scenery_layout.h"

using namespace aw;
using namespace awtest;

namespace {

std::vector<CatalogueEntry> parse(std::string_view text, int max = kMaxSceneryKinds) {
    std::vector<CatalogueEntry> out(size_t(max) + 1);
    out.resize(size_t(parseCatalogue(text, out.data(), max)));
    return out;
}

} // namespace

TEST(Catalogue, GroupsEntriesAndTheTextBetween) {
    auto e = parse("notes [ignored text\r\n[sky/] blue=sky.jpg\r\n  sea=  sea.tga,rest loose [/sky trailing\r\n"
                   "outside=skipped.tga\r\n[trees/x oak=oak.cgo\tbad-token pine=pine.tga [/trees]\r\n"
                   "[broken no slash] [last/]end=end.jpg");
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[0].kind, "blue");
    EXPECT_EQ(e[0].file, "sky.jpg");
    EXPECT_EQ(e[0].group, 0);
    EXPECT_EQ(e[1].kind, "sea");       // the key runs to "=" ...
    EXPECT_EQ(e[1].file, "sea.tga");   // ... the value to a blank or comma
    EXPECT_EQ(e[2].kind, "oak");
    EXPECT_EQ(e[2].group, 1);
    EXPECT_EQ(e[3].file, "pine.tga");
    EXPECT_EQ(e[4].kind, "end");       // a group left open runs to the end of the file
    EXPECT_EQ(e[4].group, 2);

    std::string many = "[all/]";
    for (int i = 0; i < 600; ++i) many += " k" + std::to_string(i) + "=f.tga";
    EXPECT_EQ(parse(many).size(), size_t(kMaxSceneryKinds));
    EXPECT_TRUE(parse("").empty());
    EXPECT_TRUE(parse("[").empty());
    EXPECT_TRUE(parse("[a/").empty());
}

class Layouts : public SceneryTest {};

TEST_F(Layouts, RecordsCarryTheirFieldsAndTheirKindsRole) {
    picture("a.tga", {255, 0, 0, 255});
    picture("b.tga", {0, 255, 0, 255});
    catalogue("[g/] nightsky=a.tga river_water=a.tga waterfall=a.tga spray=a.tga leaves1_x=a.tga leaves2=a.tga "
              "bigleaves=a.tga rock=a.tga rock=b.tga model=m.cgo [/g]");
    writeBytes(path("m.cgo"), "nummeshes=0\r\n\r\n");
    loadSceneryCatalogue();
    std::vector<LayoutRecord> records = {
        {"nightsky", -400, 300, 400, 0, 5, 1, 2, true, false}, {"river_water"}, {"waterfall"}, {"spray"},
        {"leaves1_x"}, {"leaves2"}, {"bigleaves"}, {"rock", 0, 0, 0, 0, 0, 0, 0, false, true}, {"rock"},
        {"model"}, {"unknown"}};
    std::string bytes = layoutBytes(records);
    SceneryObject o[16];
    ASSERT_EQ(parseLayout(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), o, 16), 11);
    EXPECT_STREQ(o[0].kindName, "nightsky");
    EXPECT_EQ(o[0].x1, -400);
    EXPECT_EQ(o[0].y1, 300);
    EXPECT_EQ(o[0].x2, 400);
    EXPECT_EQ(o[0].rotation, 5);
    EXPECT_EQ(o[0].flow, Vec2(1, 2));
    EXPECT_TRUE(o[0].mirror);
    const SceneryRole roles[] = {SceneryRole::Sky,     SceneryRole::Water,   SceneryRole::Waterfall, SceneryRole::Spray,
                                 SceneryRole::Leaves1, SceneryRole::Leaves2, SceneryRole::Leaves,    SceneryRole::Behind,
                                 SceneryRole::Front,   SceneryRole::None,    SceneryRole::None};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(o[i].role, roles[i]) << o[i].kindName;
    // Of two kinds with one name the last one wins; a 3D object or an
    // unknown kind draws nothing.
    EXPECT_EQ(o[8].kind->texture, findTexture("b.tga"));
    EXPECT_NE(o[9].kind->model, nullptr);
    EXPECT_EQ(o[10].kind, nullptr);
}

TEST_F(Layouts, CountsAreCheckedAgainstTheFile) {
    auto count = [](const std::string& bytes) {
        static SceneryObject o[kMaxLayoutObjects];
        return parseLayout(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), o, kMaxLayoutObjects);
    };
    std::vector<LayoutRecord> three = {{"a"}, {"b"}, {"c"}};
    EXPECT_EQ(count(layoutBytes(three)), 3);
    EXPECT_EQ(count(layoutBytes(three, -7)), 0);
    EXPECT_EQ(count(layoutBytes(three, 0x7FFFFFFF)), 3); // no more than the file holds
    EXPECT_EQ(count(layoutBytes(three).substr(0, 68 + 65 * 2 + 64)), 2);
    EXPECT_EQ(count(std::string(67, '\0')), 0);
    EXPECT_EQ(count(""), 0);
    std::vector<LayoutRecord> lots(300, LayoutRecord{"a"});
    EXPECT_EQ(count(layoutBytes(lots)), kMaxLayoutObjects);
    // A kind name that fills its field keeps 31 characters and its end.
    std::string full = layoutBytes({{std::string(32, 'k')}});
    SceneryObject o[1];
    ASSERT_EQ(parseLayout(reinterpret_cast<const uint8_t*>(full.data()), full.size(), o, 1), 1);
    EXPECT_EQ(std::string(o[0].kindName), std::string(31, 'k'));

    // A missing layout is fatal, with its name.
    std::filesystem::remove(path("AnimBacks/level16.lev"));
    setCurrentDirectory(path("AnimBacks"));
    FatalHooks hooks;
    EXPECT_THROW(sceneryLayout(16), FatalExit);
    EXPECT_NE(lastBoxText().find("level16.lev"), std::string::npos);
}
