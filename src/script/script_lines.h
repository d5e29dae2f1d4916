#pragma once
// What a script line is, told from its first characters. Tags are ASCII, so
// a byte prefix of the UTF-8 text is a character prefix too.

#include <string>
#include <string_view>

namespace qm {

// The look-ahead value once the file has no further line; a line of its own
// in a file ends the event there too.
inline constexpr std::string_view kEndOfScript = "tugi";

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

// A line that makes the text line before it wait for the player's click.
bool IsPauseLine(std::string_view line);

// A line the text timer never steps onto by itself.
bool TimerWaitsOn(std::string_view line);

// The argument of a four-letter tag: everything after the tag and one
// separator character, which may be a full-width space.
std::string ArgumentOf(std::string_view line);

}  // namespace qm
