// The seventeen trophies of a profile: awarding them when the board asks,
// and the queue of new ones waiting for their presentation in the room. The
// pairs themselves (new, earned) live in persistence/trophy_file.h with the
// current profile; the room is game/trophy_room.h.
#pragma once
#include "persistence/trophy_file.h"

namespace aw {

// Trophy numbers run from 1 to kTrophyCount.
bool isTrophyNumber(int number);
bool trophyEarned(int number);
bool trophyIsNew(int number);

// Earns the trophy for the current profile: sets earned and new and writes
// its "%s.trp". False, with nothing changed or written, when the trophy is
// already earned, the number is out of range or there is no profile to own it.
bool awardTrophy(int number);

// The lowest number whose presentation is pending; 0 when none.
int firstNewTrophy();

// Hands the trophy requests, the pending question, the notice's iris and its
// hand-over to the room to the board. Called once the room is loaded.
void connectBoardTrophies();

} // namespace aw
