// Saved games: a file image decoded as loadGame decodes it, and when it is
// accepted, applied over a set-up level and played on. The board must keep
// its own limits whatever an accepted file held.
#include "board/board.h"
#include "core/random.h"
#include "fuzz_support.h"
#include "game/saved_games.h"

namespace {

const char* const kLevelText =
    "figures=5\r\ntime=40\r\nmoves=30\r\nback=3\r\nlevel=\r\n"
    "000000000000\r\n000000000000\r\n111111111111\r\n1111B1111111\r\n"
    "222222222222\r\n11111.111111\r\n111111111111\r\n111111111111\r\n"
    "111111111111\r\n111111111111\r\n111111111111\r\n";

// The level every input is applied to, set up once; each run starts from
// a copy of all of it, so no input depends on the ones before.
struct Start {
    aw::SavedGame game;
    aw::GameState state;
    aw::PlayState play;
    float clock = 0;
};

const Start& pristine() {
    static Start start = [] {
        Start s;
        aw::seedRandom(3);
        aw::playState = aw::PlayState{};
        aw::boardInput = aw::BoardInput{};
        aw::startLevelFromText(kLevelText, 9);
        aw::captureSavedGame(s.game);
        s.state = aw::gs;
        s.play = aw::playState;
        s.clock = aw::animationTimeMs;
        return s;
    }();
    return start;
}

} // namespace


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Start& start = pristine();
    static aw::SavedGame decoded;
    if (!aw::decodeSavedGame(data, size, aw::kAdventure, decoded, nullptr)) return 0;
    aw::seedRandom(3);
    aw::gs = start.state;
    aw::playState = start.play;
    aw::boardInput = aw::BoardInput{};
    aw::animationTimeMs = start.clock;
    aw::applySavedGame(start.game);
    aw::applySavedGame(decoded);
    for (int frame = 0; frame < 60; ++frame) {
        if (frame == 30) {
            aw::boardInput.mouse = aw::cellCentre(5, 5);
            aw::updateHover();
            aw::onBoardLeftDown();
            aw::onBoardLeftUp();
        }
        aw::tick(16);
        if (aw::gs.refillActive) aw::refillStep(16);
    }
    for (const auto& row : aw::board)
        for (const aw::Cell& cell : row) {
            FUZZ_CHECK(cell.ground >= -1 && cell.ground <= 2);
            FUZZ_CHECK(cell.fig.kind >= -1 && cell.fig.kind < aw::kKinds);
        }
    FUZZ_CHECK(aw::gs.blastRing >= 0 && aw::gs.blastRing < aw::kBlastCount);
    FUZZ_CHECK(aw::gs.debrisRing >= 0 && aw::gs.debrisRing < aw::kDebrisCount);
    FUZZ_CHECK(aw::gs.boltRing >= 0 && aw::gs.boltRing < aw::kBoltSets);
    return 0;
}
