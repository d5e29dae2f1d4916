#pragma once
// Every text the game shows in a message box, in one place. The rules
// below the game return what happened as values (a picture that would not
// load, a save file that is wrong, an album that could not be written); the
// game's handlers word them here and show them. A new message is a new
// function here; a new problem is a new value beside the code that finds
// it, and its wording here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"

namespace qm {

// Each declared beside the code that finds it.
struct AlbumProblem;
struct EventProblem;
struct FileSetFailure;
struct LoadProblem;
struct PictureProblem;
struct RegisterProblem;
struct SettingsProblem;
enum class OutingFailure;

// What went wrong, as the player reads it.
std::string Wording(const PictureProblem& problem);
std::string Wording(const SettingsProblem& problem);
std::string Wording(const LoadProblem& problem);
std::string Wording(const FileSetFailure& failure);  // a save that failed
std::string Wording(const RegisterProblem& problem);
std::string Wording(const AlbumProblem& problem);
std::string Wording(const EventProblem& problem);
std::string Wording(OutingFailure failure);

// Shows the problem, if there is one; true when there was.
template <class Problem>
bool Tell(Game& game, const std::optional<Problem>& problem) {
    if (problem) game.Message(Wording(*problem));
    return problem.has_value();
}

// The save slot.
std::string SavedMessage();
std::string LoadedMessage();

// The album button: before the work, without pictures, the register names
// that cannot go into the album, and the album made.
std::string AlbumStartingMessage();
std::string AlbumNeedsPicturesMessage();
std::string LeftOutOfAlbumMessage(const std::vector<std::string>& names);
std::string AlbumWrittenMessage(const std::string& folder);

// The mixing dish, asked to move no item or to mix an empty dish.
std::string ChooseAnItemMessage();
std::string NothingToMixMessage();

// The end of an event that gave an emotion item.
std::string EmotionGainedMessage(const std::string& emotionName);

// The fairy orb's hints.
std::string ColourHintMessage(const std::string& fairyName, const std::string& colourName);
std::string AffectionHintMessage(const std::array<std::string, 8>& fairyNames,
                                 const std::array<std::int16_t, 8>& affection);

// The menu's version box.
std::string VersionMessage(const std::string& versionText);

}  // namespace qm
