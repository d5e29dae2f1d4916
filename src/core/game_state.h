#pragma once
// Everything the game knows between two events, under the names the whole
// team uses for it. The window's controls show it (Game::Project) and are
// never its store: a handler reads the player's input from a control (a
// scroll bar's value, the row chosen in a list) and nothing else.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/revised.h"
#include "core/speech_state.h"
#include "core/world_parts.h"

namespace qm {

// The colour workshop: the colour being mixed and the three slots.
struct Workshop {
    std::array<int, 3> Mix{1, 1, 1};  // the red, green and blue bars as they stand
    // What the preview shows: the mix, or the window's colour after a clear
    // though the bars stand at 1.
    Colour Preview = kBlack;
    std::array<Colour, 3> SlotShown{};  // what each slot shows: its colour as registered
    std::array<bool, 3> Fixed{};        // the slots whose check box is set
    int MarkedSlot = -1;                // the slot framed as selected, 0..2; -1 for none
};

// Help mode: on exactly while the help label shows. It starts on, behind the
// title screen, and every game turns it off.
struct HelpMode {
    bool On = true;
    std::string Text;  // what the help label says
};

// Which of the screen's panels show.
struct Panels {
    bool Title = false;     // the title screen over everything
    bool Commands = false;  // the command panel
    bool Workshop = false;  // the colour workshop
    bool Dish = false;      // emotion items, the dish and the world
    bool Viewer = false;    // the register of memory pictures
    bool Photo = false;     // a memory picture over the scene
    bool Ending = false;    // the chronicle and the button back to the title
};

struct GameState {
    // Folders, each ending in the separator; set once at start-up. The game
    // reads its data from AppFolder and writes into WriteFolder, which is
    // AppFolder unless that cannot be written (game/write_folder.h).
    std::string AppFolder;
    std::string ImgFolder;
    std::string TxtFolder;
    std::string FaceFolder;
    std::string WriteFolder;
    std::string SysFolder;  // WriteFolder's sys/: the picture register and the save set

    // The four lines of sys/system.dat, taken verbatim.
    std::string TextExt;
    std::string PictureExt;
    std::string ReservedSetting;
    std::string VersionText;

    // Name tables, filled at start-up and never changed.
    std::array<std::string, 5> EmotionName;
    std::array<std::string, 8> FairyName;
    std::array<std::string, 8> ColourName;

    // Per-game and per-run state. The points are saved as 16-bit numbers
    // but added up wider, so that a price never wraps them round.
    std::int32_t PointLimit = 0;
    std::int32_t PointsUsed = 0;
    std::array<std::int16_t, 8> Affection{};
    std::array<std::int16_t, 8> SoloCount{};
    std::array<std::array<std::int16_t, 3>, 3> SlotColour{};  // [slot][red, green, blue]
    std::uint8_t SelectedSlot = 0;                            // 1..3
    std::array<std::int16_t, 3> MetFairy{};
    std::uint8_t SelectedRace = 0;
    std::string EventPicture;
    std::int16_t AwardedEmotion = 0;
    std::string ScriptLine;
    std::uint8_t LinesShown = 0;
    std::string ClickMark;
    std::int16_t FileNumber = 0;
    bool PicturesPresent = false;
    bool FacesPresent = false;

    // The game's lists: the emotion items collected, the mixing dish, the
    // world parts made, in order; and the memory pictures collected, which
    // outlive every game. Each knows its last change, so that the window
    // redraws a list only when it changed.
    Revised<std::vector<EmotionItem>> Items;
    Revised<std::vector<EmotionItem>> Dish;
    Revised<std::vector<WorldPart>> World;
    Revised<std::vector<std::string>> PictureRegister;

    Workshop Colours;
    HelpMode Help;
    Panels Shown;
    SpeechBox Speech;
    std::string TitleText;  // the title screen's text, read at start-up
    std::string Chronicle;  // the text the last ending told
};

}  // namespace qm
