// The simulator's side of the board's outward calls: every reported name is
// counted, trophies are granted once each, and a small stand-in keeps lives.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace aw::sim {

struct Record {
    std::map<std::string, int> events;
    std::vector<int> trophies;
    int lives = 3;
};

extern Record record;

// Wires boardOutward to the recorder.
void installRecorder();
// Wires boardOutward to nothing (for look-ahead runs that must leave no trace).
void installSilence();

} // namespace aw::sim
