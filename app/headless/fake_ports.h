#pragma once
// The outside world as the test driver plays it: message boxes and the
// pop-up menu are printed and answered at once, pictures are measured from
// their file headers, the music device only pretends, the screen is fixed.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "core/ports.h"

namespace qm::headless {

class PrintedDialogs : public Dialogs {
public:
    explicit PrintedDialogs(std::ostream& out) : out_(out) {}
    void MessageBox(const std::string& text) override;
    void PopupMenu(const Control& menu) override;

private:
    std::ostream& out_;
};

// Knows a picture's size from its PNG header; any other file fails to load.
class HeaderPictures : public Pictures {
public:
    std::optional<PictureSize> Load(const Control& buffer, const std::string& path) override;
};

// Opens a file only if it exists; reports "stopped" only after the piece
// has been told to end, until the next play.
class FakeAudio : public AudioDevice {
public:
    explicit FakeAudio(std::ostream& out) : out_(out) {}
    int Send(const std::string& command, std::string* reply) override;
    void EndPiece();

private:
    std::ostream& out_;
    bool open_ = false;
    std::string mode_;
};

class FixedScreen : public Screen {
public:
    int WidthTwips() const override { return width; }
    int HeightTwips() const override { return height; }
    double TwipsPerPixel() const override { return 15; }
    int width = 15360, height = 11520;
};

// The clock seeds from the time of day unless a seed was asked for.
class SeedClock : public Clock {
public:
    std::uint32_t Seed() override;
    std::optional<std::uint32_t> fixed;
};

}  // namespace qm::headless
