// What the map asks of others: its sounds, its sparks and the menu's move to
// the high scores after the congratulation. Connected to the sound system,
// the particle hook of the screens and the screen tree from the start; tests
// put recorders in their place.
#pragma once

namespace aw {

struct MapOutward {
    void (*playSound)(int number); // "map1.ogg" .. "map9.ogg"
    void (*playButton)();          // the artefact view's "OK": "map7.ogg" and "menu.ogg"
    void (*playClick)();           // the congratulation's "OK"
    void (*startEffect)(const char* name, float x, float y, float size);
    // The congratulation's end: music 0, the main landscape with a neutral
    // tint, the menu's main sub-state, `hiscore` and a scene transition.
    void (*leaveForHiscore)();
};

extern MapOutward mapOutward;
// The connections above (tests put them back with this).
MapOutward defaultMapOutward();

} // namespace aw
