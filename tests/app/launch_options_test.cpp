#include "app/launch_options.h"

#include <gtest/gtest.h>

namespace aw {
namespace {

LaunchOptions parse(std::initializer_list<const char*> args, std::string& errors) {
    std::vector<const char*> argv{"amberwick"};
    argv.insert(argv.end(), args);
    return parseLaunchOptions(int(argv.size()), argv.data(), errors);
}

TEST(LaunchOptions, SwitchesAreReadAndBadOnesReportedWithoutStoppingTheRest) {
    std::string errors;
    LaunchOptions o = parse({"--unpaced", "--level", "129", "--mode", "puzzle"}, errors);
    EXPECT_TRUE(errors.empty()) << errors;
    EXPECT_TRUE(o.unpaced);
    EXPECT_EQ(o.startLevel, 129);
    EXPECT_EQ(o.startMode, 2);

    o = parse({"--level", "130", "--bogus", "--mode", "sideways", "--unpaced", "--level"}, errors);
    EXPECT_EQ(o.startLevel, 0);
    EXPECT_EQ(o.startMode, 0);
    EXPECT_TRUE(o.unpaced);
    EXPECT_NE(errors.find("1 to 129"), std::string::npos);
    EXPECT_NE(errors.find("--bogus"), std::string::npos);
    EXPECT_NE(errors.find("adventure, timeless or puzzle"), std::string::npos);

    errors.clear();
    o = parse({"--map", "--completed", "4", "--mode", "timeless"}, errors);
    EXPECT_TRUE(errors.empty()) << errors;
    EXPECT_TRUE(o.openMap);
    EXPECT_EQ(o.mapCompleted, 4);
    EXPECT_EQ(o.startMode, 1);
    o = parse({"--completed", "0", "--unpaced"}, errors);
    EXPECT_EQ(o.mapCompleted, 0);
    EXPECT_TRUE(o.unpaced) << "the bad number does not swallow the next switch";

    errors.clear();
    o = parse({"--describe-board", "/tmp/b.txt", "--clock-speed", "4.5"}, errors);
    EXPECT_TRUE(errors.empty()) << errors;
    EXPECT_EQ(o.describeBoardPath, "/tmp/b.txt");
    EXPECT_FLOAT_EQ(o.clockSpeed, 4.5f);
    for (const char* bad : {"0.5", "21", "fast", "4x"}) {
        o = parse({"--clock-speed", bad}, errors);
        EXPECT_FLOAT_EQ(o.clockSpeed, 1.0f) << bad;
    }
    EXPECT_NE(errors.find("from 1 to 20"), std::string::npos);
    o = parse({"--describe-board"}, errors);
    EXPECT_TRUE(o.describeBoardPath.empty());
    EXPECT_NE(errors.find("needs a file name"), std::string::npos);
}

} // namespace
} // namespace aw
