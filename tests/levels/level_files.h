// Shared helpers of the level-set tests: where the files are and how to read them.
#pragma once
#include <string>
#include <vector>

namespace levels {

constexpr int kLevelCount = 129;
constexpr int kStageSizes[15] = {4, 5, 6, 7, 8, 9, 10, 10, 10, 10, 10, 10, 10, 10, 10};

std::string sourceDir();
std::string levelPath(int number);  // 1-based
std::string readBytes(const std::string& path);
int stageOf(int index);             // 0-based stage of a 0-based level index

} // namespace levels
