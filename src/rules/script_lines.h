#pragma once
// What a script line is, told from its first characters. Tags are ASCII, so
// a byte prefix of the UTF-8 text is a character prefix too.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// The look-ahead value once the file has no further line; a line of its own
// in a file ends the event there too.
inline constexpr std::string_view kEndOfScript = "tugi";

// Between a speaker's name and the face variant: "-ササン＿笑".
inline constexpr std::string_view kFaceSeparator = "＿";

// The emotions of the items, by the digit of their ">k>" line.
inline constexpr std::array<std::string_view, 5> kEmotionNames = {"喜", "怒", "哀", "楽", "愛"};

// What a line does, by the first of these tests it passes, in this order.
enum class LineKind {
    EndOfScript,   // "tugi"
    Speaker,       // "-" + name, or name + "＿" + face variant
    HideFace,      // ">ff"
    Emotion,       // ">k>" + digit 0 to 4
    Chain,         // ">ive" + event name
    PictureNow,    // ">nex", optionally + picture name
    Chronicle,     // ">rek"
    EndingBranch,  // ">ing"
    EmptyLine,     // clears the page
    Scene,         // ">img" + scene name
    Text,          // anything else, ">game" and ">end" too
};

LineKind KindOf(std::string_view line);

// The emotion index of an item line (">k>" and a digit 0 to 4 as the fourth
// character), or -1 when the fourth character is anything else.
int EmotionOf(std::string_view line);

// The face picture a speaker line names: its whole speaker text, variant
// included, when that holds the face separator; nothing otherwise.
std::optional<std::string> FaceOf(std::string_view speakerLine);

// The picture a ">nex" line names, possibly empty, when the line is longer
// than its tag; nothing for ">nex" alone, which keeps the event's picture.
std::optional<std::string> PictureNameOf(std::string_view line);

// A line that makes the text line before it wait for the player's click.
bool IsPauseLine(std::string_view line);

// A line the text timer never steps onto by itself.
bool TimerWaitsOn(std::string_view line);

// The argument of a four-letter tag: everything after the tag and one
// separator character, which may be a full-width space.
std::string ArgumentOf(std::string_view line);

}  // namespace qm
