#pragma once
// Everything the game knows between two events, under the names the whole
// team uses for it. The lists that hold items, the dish, the world parts and
// the picture register live in their list controls, not here.

#include <array>
#include <cstdint>
#include <string>

namespace qm {

struct GameState {
    // Folders, each ending in the separator; set once at start-up. The game
    // reads its data from AppFolder and writes into WriteFolder, which is
    // AppFolder unless that cannot be written (core/write_folder.h).
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
};

}  // namespace qm
