// The music timer restarts the piece only when the device says, in any
// letter case, that it has stopped.

#include "sound/music.h"

#include <gtest/gtest.h>

#include "fake_game.h"
#include "game/game.h"

namespace qm {
namespace {

// Answers the state query with `mode`, or fails it leaving the buffer.
struct ScriptedAudio : AudioDevice {
    int Send(const std::string& command, std::string* reply) override {
        sent.push_back(command);
        if (!reply || failQuery) return failQuery ? 263 : 0;
        reply->replace(0, mode.size(), mode);
        return 0;
    }
    std::string mode;
    bool failQuery = false;
    std::vector<std::string> sent;
};

TEST(MusicTimer, RestartsOnlyAStoppedPieceWhileMusicIsOn) {
    testing::FakeGame fake;
    ScriptedAudio audio;
    Game game(Ports{fake.dialogs, fake.pictures, audio, fake.screen, fake.clock}, "/g/");
    game.music.MusicOn = true;
    const auto restarts = [&](const std::string& mode, bool fail = false) {
        audio.mode = mode;
        audio.failQuery = fail;
        audio.sent.clear();
        BgmTim_Timer(game);
        return audio.sent == std::vector<std::string>{"status MIDI mode", "seek MIDI to start", "play MIDI from 0"};
    };
    EXPECT_TRUE(restarts("stopped"));
    EXPECT_TRUE(restarts("STOPPED"));
    EXPECT_TRUE(restarts("Stopped"));
    EXPECT_FALSE(restarts("playing"));
    EXPECT_FALSE(restarts("stoppe"));
    EXPECT_FALSE(restarts("", true));  // a failed query
    EXPECT_EQ(1u, audio.sent.size());
    game.music.MusicOn = false;
    EXPECT_FALSE(restarts("stopped"));
}

}  // namespace
}  // namespace qm
