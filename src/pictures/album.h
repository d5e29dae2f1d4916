#pragma once
// The HTML album: a page made from the template txt/arub, with the
// collected memory pictures at each "<SYASIN>" line, or one picture with the
// text of the event that gave it.

#include <optional>
#include <string>
#include <vector>

namespace qm {

class Form;
class Game;

enum class AlbumKind {
    Full,        // every registered picture
    OnePicture,  // the chosen one and the text of its event
};

// Why no album was written.
struct AlbumProblem {
    enum class Fault {
        UnsafeName,   // the chosen picture's name could reach outside the game's folders
        NoTemplate,   // txt/arub cannot be read
        NoEventText,  // the chosen picture's event text cannot be read
        Unwritable,   // the album file cannot be written
    };
    Fault fault;
    std::string subject;  // the picture's name for UnsafeName, else the file's path
};

struct AlbumOutcome {
    // Register names the full album left out, as they could reach outside
    // the game's folders.
    std::vector<std::string> leftOut{};
    std::optional<AlbumProblem> problem{};  // nothing was written
};

AlbumOutcome WriteAlbum(Game& game, AlbumKind kind);

// The album button: a right click with a picture chosen makes that
// picture's album (when faces are installed), any other click the full one.
void ComIvent_MouseUp(Game& game, int index, int button);

// Puts this feature's handlers on its controls.
void InstallAlbum(Form& form);

}  // namespace qm
