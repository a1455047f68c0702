// amberwick-sim: plays one level file through the board rules with a fixed
// frame time and prints one JSON line per click and a final summary line.
//
//   amberwick-sim --level FILE... [--index N] [--mode adventure|timeless|puzzle]
//                 [--seed S | --seeds FIRST-LAST] [--dt MS] (--clicks "r,c;r,c;..." | --autoplay [--think MS] [--no-hammer])
//                 [--max-moves N] [--max-time MS]
//
// Several levels and a range of seeds are played in one process, each run
// exactly as a process of its own would play it (levels in the order given,
// each with every seed in turn).
//
// Exit code 0 when the level was read and played, 2 for bad arguments or an
// unreadable level file.
#include "autoplay.h"
#include "recorder.h"
#include "run.h"

#include "board/game_modes.h"
#include "core/random.h"
#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace aw;

namespace {

struct Options {
    std::vector<std::string> levels;
    int index = -1;
    GameMode mode = kPuzzle;
    unsigned seed = 1, lastSeed = 1;
    float dt = 16;
    bool autoplay = false;
    bool hammer = true;
    bool haveClicks = false;
    std::vector<std::pair<int, int>> clicks;
    float think = 0;
    long maxMoves = -1;
    double maxTime = 3600000;
};

int usage(const char* why) {
    std::fprintf(stderr, "amberwick-sim: %s\n", why);
    std::fprintf(stderr,
                 "usage: amberwick-sim --level FILE... [--index N] [--mode adventure|timeless|puzzle]\n"
                 "       [--seed S | --seeds FIRST-LAST]\n"
                 "       [--dt MS] (--clicks \"r,c;r,c;...\" | --autoplay [--think MS] [--no-hammer])\n"
                 "       [--max-moves N] [--max-time MS]\n");
    return 2;
}

bool parseLong(const char* s, long* out) {
    if (!s || !*s) return false;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s, &end, 10);
    if (errno || *end) return false;
    *out = v;
    return true;
}

bool parseDouble(const char* s, double* out) {
    if (!s || !*s) return false;
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(s, &end);
    if (errno || *end || v != v) return false;
    *out = v;
    return true;
}

bool parseClicks(const std::string& text, std::vector<std::pair<int, int>>& out) {
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(';', at);
        if (end == std::string::npos) end = text.size();
        std::string item = text.substr(at, end - at);
        at = end + 1;
        if (item.empty()) continue;
        size_t comma = item.find(',');
        if (comma == std::string::npos) return false;
        long r = 0, c = 0;
        if (!parseLong(item.substr(0, comma).c_str(), &r) || !parseLong(item.substr(comma + 1).c_str(), &c))
            return false;
        if (r < -1000 || r > 1000 || c < -1000 || c > 1000) return false;
        out.emplace_back(int(r), int(c));
    }
    return true;
}

// "pack1_NN.lvl" names its 1-based level number.
int indexFromName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    int number = 0;
    char tail[8] = {};
    if (std::sscanf(name.c_str(), "pack1_%d.%4s", &number, tail) == 2 && std::strcmp(tail, "lvl") == 0 && number >= 1)
        return number - 1;
    return 2;
}

int parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        long n = 0;
        double d = 0;
        if (a == "--level") {
            const char* v = value();
            if (!v) return usage("--level needs a file");
            o.levels.push_back(v);
        } else if (a == "--index") {
            if (!parseLong(value(), &n) || n < 0 || n > 128) return usage("--index needs 0..128");
            o.index = int(n);
        } else if (a == "--mode") {
            int m = modeFromKey(value());
            if (m < 0) return usage("--mode needs adventure, timeless or puzzle");
            o.mode = GameMode(m);
        } else if (a == "--seed") {
            if (!parseLong(value(), &n) || n < 0 || n > 0xFFFFFFFFL) return usage("--seed needs a number");
            o.seed = o.lastSeed = unsigned(n);
        } else if (a == "--seeds") {
            const char* v = value();
            std::string range = v ? v : "";
            size_t dash = range.find('-');
            long last = 0;
            if (dash == std::string::npos || !parseLong(range.substr(0, dash).c_str(), &n) ||
                !parseLong(range.substr(dash + 1).c_str(), &last) || n < 0 || last < n || last > 0xFFFFFFFFL)
                return usage("--seeds needs FIRST-LAST");
            o.seed = unsigned(n);
            o.lastSeed = unsigned(last);
        } else if (a == "--dt") {
            if (!parseDouble(value(), &d) || d <= 0 || d > 1000) return usage("--dt needs a time in ms (0..1000]");
            o.dt = float(d);
        } else if (a == "--clicks") {
            const char* v = value();
            if (!v || !parseClicks(v, o.clicks)) return usage("--clicks needs \"r,c;r,c;...\"");
            o.haveClicks = true;
        } else if (a == "--autoplay") {
            o.autoplay = true;
        } else if (a == "--no-hammer") {
            o.hammer = false;
        } else if (a == "--think") {
            if (!parseDouble(value(), &d) || d < 0) return usage("--think needs a time in ms");
            o.think = float(d);
        } else if (a == "--max-moves") {
            if (!parseLong(value(), &n) || n < 0) return usage("--max-moves needs a count");
            o.maxMoves = n;
        } else if (a == "--max-time") {
            if (!parseDouble(value(), &d) || d < 0) return usage("--max-time needs a time in ms");
            o.maxTime = d;
        } else {
            return usage(("unknown argument " + a).c_str());
        }
    }
    if (o.levels.empty()) return usage("--level is required");
    if (o.autoplay == o.haveClicks) return usage("give either --clicks or --autoplay");
    if (o.index >= 0 && o.levels.size() > 1) return usage("--index goes with a single --level");
    return 0;
}

void printEscaped(const std::string& s) {
    std::putchar('"');
    for (unsigned char ch : s) {
        if (ch == '"' || ch == '\\') std::printf("\\%c", ch);
        else if (ch < 0x20 || ch >= 0x7F) std::printf("\\u%04x", ch);
        else std::putchar(ch);
    }
    std::putchar('"');
}

void printMove(int row, int column, int size, int kind) {
    std::printf("{\"move\":%d,\"row\":%d,\"col\":%d,\"size\":%d,\"kind\":%d,\"score\":%d,\"squares\":%d,"
                "\"locks\":%d,\"streak\":%d,\"chain\":%d}\n",
                gs.movesUsed, row, column, size, kind, gs.score, sim::squaresLeft(), sim::locksLeft(),
                gs.sameKindStreak, gs.chainCount);
}

void printStrike(int row, int column, int strikes) {
    std::printf("{\"hammer\":%d,\"row\":%d,\"col\":%d,\"score\":%d,\"squares\":%d,\"locks\":%d}\n", strikes, row,
                column, gs.score, sim::squaresLeft(), sim::locksLeft());
}

void printOutcome(double timeMs, int strikes) {
    const char* outcome = playState.levelWon ? "won" : playState.levelLost ? "lost" : "running";
    std::printf("{\"outcome\":\"%s\",\"moves\":%d,\"time_ms\":%.0f,\"score\":%d,\"level_bonus\":%d,",
                outcome, gs.movesUsed, timeMs, gs.score, gs.levelBonus);
    std::printf("\"hammers\":%d,\"trophies\":[", strikes);
    for (size_t i = 0; i < sim::record.trophies.size(); ++i)
        std::printf("%s%d", i ? "," : "", sim::record.trophies[i]);
    std::printf("],\"events\":{");
    bool first = true;
    for (const auto& [name, count] : sim::record.events) {
        if (!first) std::putchar(',');
        first = false;
        printEscaped(name);
        std::printf(":%d", count);
    }
    std::printf("}}\n");
}

// One run from a clean start: everything a run changes outside the level
// records is set back, so a run's output never depends on the one before.
void play(const Options& o, const std::string& text, int index, unsigned seed) {
    seedRandom(seed);
    resetBoardRun();
    sim::record = sim::Record{};
    sim::installRecorder();
    playState = PlayState{};
    playState.mode = o.mode;
    boardInput = BoardInput{};
    startLevelFromText(text, index);

    int strikes = 0;
    double time = 0;
    float waited = 0;
    size_t nextClick = 0;
    bool pending = false, pendingStrike = false;
    int pendingRow = 0, pendingColumn = 0, pendingSize = 0, pendingKind = -1;

    for (;;) {
        if (time >= o.maxTime) break;
        bool rest = sim::atRest();
        if (pending && rest) {
            if (pendingStrike) printStrike(pendingRow, pendingColumn, strikes);
            else printMove(pendingRow, pendingColumn, pendingSize, pendingKind);
            pending = pendingStrike = false;
        }
        if (!pending && rest && (playState.levelWon || playState.levelLost)) break;
        // The board takes a click at rest, with no outcome yet and not paused.
        bool accepts = rest && !playState.levelWon && !playState.levelLost && !gs.paused;
        if (!pending && accepts) {
            bool more = o.autoplay ? true : nextClick < o.clicks.size();
            if (!more || (o.maxMoves >= 0 && gs.movesUsed >= o.maxMoves)) break;
            if (waited >= o.think) {
                int row = 0, column = 0;
                bool chosen = true;
                if (o.autoplay && o.hammer && sim::chooseHammerStrike(&row, &column)) {
                    // A strike is not a move; it waits for the board like one.
                    sim::strikeCell(row, column);
                    ++strikes;
                    waited = 0;
                    pendingRow = row;
                    pendingColumn = column;
                    pending = pendingStrike = true;
                    sim::frame(o.dt);
                    time += o.dt;
                    continue;
                }
                if (o.autoplay) chosen = sim::chooseClick(&row, &column);
                else {
                    row = o.clicks[nextClick].first;
                    column = o.clicks[nextClick].second;
                    ++nextClick;
                }
                if (chosen) {
                    waited = 0;
                    int kind = -1;
                    int size = sim::clickCell(row, column, &kind);
                    pendingRow = row;
                    pendingColumn = column;
                    pendingSize = size;
                    pendingKind = kind;
                    pending = true;
                    if (size == 0) {
                        printMove(row, column, 0, kind);
                        pending = false;
                        // A listed click that did nothing lets the next one
                        // follow in this same frame; the autoplayer always
                        // lets time pass so it can never spin in place.
                        if (!o.autoplay) continue;
                    }
                }
            } else {
                waited += o.dt;
            }
        }
        sim::frame(o.dt);
        time += o.dt;
    }
    printOutcome(time, strikes);
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (int rc = parseOptions(argc, argv, o)) return rc;

    // Every file is read before any is played: a bad name fails at once.
    std::vector<std::string> texts;
    for (const std::string& path : o.levels) {
        std::vector<uint8_t> bytes;
        if (!readFile(path, bytes)) {
            std::fprintf(stderr, "amberwick-sim: cannot read level file %s\n", path.c_str());
            return 2;
        }
        texts.emplace_back(bytes.begin(), bytes.end());
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        int index = o.index >= 0 ? o.index : indexFromName(o.levels[i]);
        for (unsigned seed = o.seed;; ++seed) {
            play(o, texts[i], index, seed);
            if (seed == o.lastSeed) break;
        }
    }
    return 0;
}
