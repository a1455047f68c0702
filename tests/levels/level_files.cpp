#include "levels/level_files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace levels {

std::string sourceDir() {
    const char* dir = std::getenv("AW_SOURCE_DIR");
    return dir ? dir : AW_SOURCE_ROOT;
}

std::string levelPath(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "pack1_%.2i.lvl", number);
    return sourceDir() + "/data/levels/" + name;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int stageOf(int index) {
    int total = 0;
    for (int s = 0; s < 15; ++s) {
        total += kStageSizes[s];
        if (index < total) return s;
    }
    return 15;
}

} // namespace levels
