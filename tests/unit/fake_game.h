#pragma once
// A game on in-memory ports, for tests that call the core directly.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"

namespace qm::testing {

struct RecordingDialogs : Dialogs {
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    void PopupMenu(const Control& menu) override { popups.push_back(menu.name); }
    std::vector<std::string> messages;
    std::vector<std::string> popups;
};

// Pictures by path; a path not listed fails to load.
struct MapPictures : Pictures {
    std::optional<PictureSize> Load(const Control&, const std::string& path) override {
        ++loads;
        const auto it = sizes.find(path);
        return it == sizes.end() ? std::nullopt : std::optional(it->second);
    }
    std::map<std::string, PictureSize> sizes;
    int loads = 0;
};

struct NoAudio : AudioDevice {
    int Send(const std::string&, std::string*) override { return 263; }
};

struct TestScreen : Screen {
    int WidthTwips() const override { return 15360; }
    int HeightTwips() const override { return 11520; }
    double TwipsPerPixel() const override { return 15; }
};

struct FixedClock : Clock {
    std::uint32_t Seed() override { return 1; }
};

struct FakeGame {
    explicit FakeGame(std::string folder = "/game/")
        : game(Ports{dialogs, pictures, audio, screen, clock}, std::move(folder)) {}
    RecordingDialogs dialogs;
    MapPictures pictures;
    NoAudio audio;
    TestScreen screen;
    FixedClock clock;
    Game game;
};

}  // namespace qm::testing
