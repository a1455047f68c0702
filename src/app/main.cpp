// A player starts the game without arguments; the switches serve tests and benchmarks.
#include "app/launch_options.h"
#include "app/startup.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    std::string errors;
    aw::launchOptions = aw::parseLaunchOptions(argc, argv, errors);
    if (!errors.empty()) std::fprintf(stderr, "Amberwick: %s", errors.c_str());
    return aw::runApplication();
}
