#include "app/startup_load.h"

#include "app/scenes.h"
#include "app/flow_wiring.h"
#include "app/shell_state.h"
#include "app/ui_wiring.h"
#include "audio/sound_system.h"
#include "board/level_file.h"
#include "core/random.h"
#include "effects/backgrounds.h"
#include "effects/gameplay_screen.h"
#include "effects/particles.h"
#include "game/board_sounds.h"
#include "game/map_media.h"
#include "game/map_path.h"
#include "game/saved_games.h"
#include "game/trophies.h"
#include "game/trophy_media.h"
#include "persistence/player_paths.h"
#include "persistence/profiles.h"
#include "persistence/records.h"
#include "persistence/settings.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "render/text.h"
#include "resources/registry.h"
#include "resources/text_table.h"
#include "ui/cursor.h"
#include "ui/menu_tree.h"
#include "ui/ui_media.h"

namespace aw {
namespace {

const char* const kArchives[] = {"targa.dat", "jpeg.dat", "texts.dat"};

void onFileLoaded(int bytes) { splashScene.reportLoadProgress(bytes); }

} // namespace

void runStartupLoad() {
    seedRandom(ticksMs());
    setLoadProgressHandler(onFileLoaded);

    for (const char* a : kArchives) openArchive(a); // a missing archive is skipped
    loadTextFile("strings.txt");
    loadTextFile("tips.txt"); // a key of strings.txt shadows the same key here

    ensureSettingsDirectory();
    readProfiles();
    readRecords();
    connectSavedGames(); // setting a level up now clears the profile's saved-game byte
    shell.settingsLoaded = true;
    setCurrentDirectory(shell.dataDirectory);

    // The particle effects first: the scenery and the screens start them.
    loadEffects(shell.dataDirectory.c_str());
    setCurrentDirectory(shell.dataDirectory);

    // The scenery: the catalogue with its pictures and 3D objects, and the
    // layouts of backgrounds 0 to 15 (kept for the run).
    loadScenery();
    setCurrentDirectory(shell.dataDirectory);

    // The screen tree and the menu pictures.
    connectUi();
    loadMenus();
    connectFlow(); // the mode screens get their on-open hook once the tree exists
    loadMenuTextures();
    loadCursorPictures();

    // The game data: audio with every sample and the music, the gameplay
    // pictures, the font, the trophies, and the 129 levels for their
    // background numbers.
    applyVolumes(settings().musicVolume, settings().soundVolume);
    startSound(); // without an audio device the game goes on silently
    loadSounds(shell.dataDirectory, [](long long bytes) { onFileLoaded(int(bytes)); });
    connectBoardSounds();
    setCurrentDirectory(shell.dataDirectory);
    loadGameplayGraphics(shell.dataDirectory.c_str());
    connectBoardPresentation();
    loadFont("font", 1.0f, 1.0f);
    loadTrophies();
    connectBoardTrophies();
    scanLevels();
    setCurrentDirectory(shell.dataDirectory);

    // The map's path and pictures (a missing path leaves the built-in course).
    loadMapPath();
    setUpMapMedia(shell.dataDirectory);

    shell.currentScene = &splashScene;
    for (const char* a : kArchives) closeArchive(a);
}

} // namespace aw
