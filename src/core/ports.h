#pragma once
// The narrow ways in which the game reaches the world outside it. Each front
// end binds these to something real (Qt) or to a recording fake (headless).

#include <cstdint>
#include <optional>
#include <string>

namespace qm {

struct Control;

// Modal message boxes with a single OK button and the default title, and
// the pop-up menu. Neither may let another event reach the game until the
// handler that called it has finished.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void MessageBox(const std::string& text) = 0;
    virtual void PopupMenu(const Control& menu) = 0;
};

struct PictureSize {
    int width = 0, height = 0;  // pixels
};

// Loads a picture file into one of the hidden buffers, which keeps it for
// redrawing. On failure the buffer keeps what it held before.
class Pictures {
public:
    virtual ~Pictures() = default;
    virtual std::optional<PictureSize> Load(const Control& buffer, const std::string& path) = 0;
};

// The music device, driven by multimedia command strings such as
// "play MIDI notify". Returns 0 on success; a query writes its reply.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    virtual int Send(const std::string& command, std::string* reply) = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual int WidthTwips() const = 0;
    virtual int HeightTwips() const = 0;
    virtual double TwipsPerPixel() const = 0;
};

// Where the one random generator gets its seed at start-up.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t Seed() = 0;
};

// Where the game may write. A game unpacked into a folder of the player's
// writes its register, saves and albums beside its data; an installed game's
// folder is read-only, and then they go to a folder of the player's own.
// Start-up asks once which it is and keeps the answer for the whole run.
class Storage {
public:
    virtual ~Storage() = default;
    // Whether the game can create and replace files in the folder.
    virtual bool CanWrite(const std::string& folder) = 0;
    // The player's own folder for the game's files, as the platform has
    // them (on Linux ~/.local/share/quillmere/); empty if there is none.
    virtual std::string PlayerFolder() = 0;
};

// Storage for front ends that only ever run copies of the game folder made
// for them (the tests): the program's folder is always writable.
Storage& WritableProgramFolder();

struct Ports {
    Dialogs& dialogs;
    Pictures& pictures;
    AudioDevice& audio;
    Screen& screen;
    Clock& clock;
    Storage& storage = WritableProgramFolder();
};

}  // namespace qm
