// A clean player state in a scratch directory: Data/ for the data set,
// home/settings for the player's files (not created until the game does).
#pragma once
#include "core/random.h"
#include "persistence/player_files.h"
#include "persistence/player_paths.h"
#include "resources/registry.h"
#include "resources/test_support.h"
#include "resources/text_table.h"

#include <filesystem>
#include <string>

struct PersistenceTest : ::testing::Test {
    awtest::ScratchDir dir;
    std::string data, settingsDir;

    void SetUp() override {
        aw::resetPersistence();
        aw::resetResources();
        aw::resetTextTable();
        data = dir.path() + "/Data";
        settingsDir = dir.path() + "/home/settings";
        std::filesystem::create_directories(data + "/levels");
        aw::setDataDirectory(data);
        aw::setSettingsDirectory(settingsDir);
        aw::setCurrentDirectory(data);
        std::string names;
        for (int i = 1; i <= 10; ++i) names += "defname" + std::to_string(i) + "=Name" + std::to_string(i) + "\r\n";
        aw::parseTextBlock(names.data(), int(names.size()));
        aw::seedRandom(1234);
    }
    void TearDown() override {
        aw::resetPersistence();
        aw::resetResources();
        aw::resetTextTable();
    }
    std::string player(const std::string& file) const { return settingsDir + "/" + file; }
};
