#include "game/trophies.h"

#include "board/moves.h"
#include "board/outward.h"
#include "game/trophy_room.h"
#include "persistence/profiles.h"
#include "resources/text_table.h"
#include "ui/scene_transition.h"

namespace aw {

bool isTrophyNumber(int number) { return number >= 1 && number <= kTrophyCount; }
bool trophyEarned(int number) { return isTrophyNumber(number) && trophyState().earned[number - 1]; }
bool trophyIsNew(int number) { return isTrophyNumber(number) && trophyState().isNew[number - 1]; }

bool awardTrophy(int number) {
    if (!isTrophyNumber(number) || trophyEarned(number) || profileCount() == 0) return false;
    TrophyState& t = trophyState();
    t.earned[number - 1] = 1;
    t.isNew[number - 1] = 1;
    writeProfileTrophies(currentProfile()->name);
    return true;
}

int firstNewTrophy() {
    for (int n = 1; n <= kTrophyCount; ++n)
        if (trophyIsNew(n)) return n;
    return 0;
}

void connectBoardTrophies() {
    boardOutward.requestTrophy = [](int number) { return awardTrophy(number); };
    boardOutward.trophyPending = [] { return firstNewTrophy() != 0; };
    // The notice's iris: the caption is a text key ("gettrophy"), or "" when
    // the player asked for the room.
    boardOutward.startTransition = [](float ms, const char* captionKey) {
        const char* caption = captionKey && captionKey[0] ? lookupText(captionKey) : nullptr;
        startSceneTransition(ms, caption ? caption : "");
    };
    // The notice has run its 1500 ms: the board takes its request back and
    // the player goes to the room, which brings them back to this level.
    boardOutward.showTrophyNotice = [] {
        finishTrophyNotice();
        enterTrophyRoom(kRoomFromGameplay);
    };
}

} // namespace aw
