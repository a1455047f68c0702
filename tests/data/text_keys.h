// The text keys the game looks up, with the printf conversions each caller
// passes, shared by the tests that read the text tables.
#pragma once

namespace awtest {

// Single keys the game looks up, and the printf conversions each caller passes.
struct KeyUse {
    const char* key;
    const char* conversions; // in order: 'i' for %i, 's' for %s; "" for plain texts
};

inline const KeyUse kSingleKeys[] = {
    {"keytoresume", ""}, {"score", ""}, {"level", ""}, {"lives", ""}, {"menu", ""},
    {"trophies", ""}, {"lastlife", ""}, {"loselife", ""}, {"gameover", ""}, {"timeisup", ""},
    {"pause", ""}, {"bombbonus", ""}, {"thunderbonus", ""}, {"megabombonus", ""},
    {"timelast", "i"}, {"moveslast", "i"}, {"coolcombo", ""}, {"supercombo", ""},
    {"megacombo", ""}, {"ultracombo", ""}, {"impossible", ""}, {"youwon", ""}, {"getlife", ""},
    {"levelcomplete", ""}, {"bonustime", ""}, {"bonusmoves", ""}, {"gettrophy", ""},
    {"congratulation", ""}, {"stage", ""}, {"prolog", ""}, {"loadmsg", ""},
    {"surlevscore", "ii"}, {"zeroscore", ""}, {"lostlifetime", ""}, {"lostlifemoves", ""},
    {"restartquest", ""}, {"nomorelives", ""}, {"skipquest", ""}, {"noskiplevel", ""},
    {"savemsg", ""}, {"classicmode", ""}, {"endlessmode", ""}, {"puzzlemode", ""},
    {"loadclassicmode", ""}, {"loadendlessmode", ""}, {"loadpuzzlemode", ""}, {"hallo", "s"},
    {"ifnotyou", ""}, {"curusers", ""}, {"entername", ""}, {"sfxvolume", ""},
    {"musicvolume", ""}, {"fullscreen", ""}, {"customcursor", ""}, {"showgametip", ""},
    {"levelresult", ""}, {"yourscore", ""}, {"yourcombo", ""}, {"yourmoves", ""},
    {"yourtime", ""}, {"bestmoves", ""}, {"besttime", ""}, {"by", ""}, {"removeplayer", ""},
    {"quit", ""}, {"welcome", ""}, {"breaksquares", ""}, {"breakdualsquares", ""},
    {"breakzep", ""}, {"usehammer", ""}, {"b_t_firstbonus1", ""}, {"b_t_firstbonus2", ""},
    {"b_t_firstbonus5", ""}, {"candletime", ""}, {"candlemove", ""}, {"nomoves", ""},
    {"continue", ""},
};

// Texts copied into the 128-byte records of timed messages and letter bursts.
inline const char* const kAnnouncements[] = {
    "coolcombo", "supercombo", "megacombo", "ultracombo", "impossible", "youwon", "getlife",
    "levelcomplete", "bonustime", "bonusmoves", "lastlife", "loselife", "gameover",
};

} // namespace awtest
