// Level files: a text set up as startLevel sets up a level read from disk
// (reset, the file, the initial fill, the limits), then played for a while
// with clicks at places the input chooses. The board must keep its limits.
#include "board/board.h"
#include "core/random.h"
#include "fuzz_support.h"

#include <string>

namespace {

void checkBoard() {
    for (const auto& row : aw::board)
        for (const aw::Cell& cell : row) {
            FUZZ_CHECK(cell.ground >= -1 && cell.ground <= 2);
            FUZZ_CHECK(cell.lock == 0 || cell.lock == 1);
            FUZZ_CHECK(cell.fig.kind >= -1 && cell.fig.kind < aw::kKinds);
            FUZZ_CHECK(cell.fig.bonus >= 0 && cell.fig.bonus <= aw::kSuperBomb);
        }
    FUZZ_CHECK(aw::gs.figureCount >= 1 && aw::gs.figureCount <= aw::kKinds);
    for (int k = 0; k < aw::kKinds; ++k) FUZZ_CHECK(aw::gs.displayTable[k] >= 0 && aw::gs.displayTable[k] < aw::kKinds);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    aw::seedRandom(1);
    aw::playState = aw::PlayState{};
    aw::playState.mode = aw::GameMode(size % 3);
    aw::boardInput = aw::BoardInput{};
    aw::animationTimeMs = 0;
    aw::startLevelFromText(text, 20);
    checkBoard();
    for (int frame = 0; frame < 60; ++frame) {
        if (frame % 6 == 0 && size > 0) {
            uint8_t pick = data[(frame / 6) % size];
            aw::boardInput.mouse = aw::cellCentre(pick % aw::kRows, (pick / aw::kRows) % aw::kColumns);
            aw::updateHover();
            aw::onBoardLeftDown();
            aw::onBoardLeftUp();
        }
        aw::tick(16);
        if (aw::gs.refillActive) aw::refillStep(16);
    }
    checkBoard();
    return 0;
}
