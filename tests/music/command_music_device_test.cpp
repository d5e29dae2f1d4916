// The music device as the game drives it, over an output that plays
// nothing: what it asks of the library, and what it answers the game.

#include "command_music_device.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "game/game.h"
#include "sound/music.h"
#include "temp_folder.h"
#include "unit/fake_game.h"

namespace qm::music {
namespace {

// What the output answers, as the test says the library would, and what it
// was asked to do.
struct Script {
    bool makes = true, opens = true, startWorks = true, playing = false;
    std::string opened;
    int made = 0, starts = 0, closes = 0;
    double volume = -1;  // never set
};

struct ScriptedOutput : MusicOutput {
    explicit ScriptedOutput(Script& shared) : s(shared) {}
    bool Open(const std::string& path) override {
        s.opened = path;
        return s.opens;
    }
    bool Start() override {
        ++s.starts;
        s.playing = s.startWorks;
        return s.startWorks;
    }
    void Stop() override { s.playing = false; }
    bool Playing() override { return s.playing; }
    void Close() override {
        ++s.closes;
        s.playing = false;
    }
    void SetVolume(double level) override { s.volume = level; }
    Script& s;
};

class MusicDevice : public ::testing::Test {
protected:
    // The output decides whether the piece plays; the device only needs it to exist.
    MusicDevice() {
        std::filesystem::create_directory(folder.path() / "ゲーム の 曲");
        std::ofstream(piece) << "RIFF";
    }

    int Send(const std::string& command) { return device.Send(command, nullptr); }
    int OpenPiece() { return Send("open \"" + piece + "\" alias MIDI"); }

    // The reply to the game's query, in a buffer of blanks as the game passes it.
    std::string Status() {
        std::string reply(15, ' ');
        device.Send("status MIDI mode", &reply);
        return reply;
    }

    // Asks until the piece is ready or has gone, as the music timer does.
    std::string StatusOnceOpened() {
        for (int i = 0; i < 1000 && Status().starts_with("not ready"); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return Status();
    }

    void StartUp() {
        OpenMusic(game, piece);
        game.music.MusicOn = true;
        PlayMusic(game);
    }

    testing::TempFolder folder;
    std::string piece = (folder.path() / "ゲーム の 曲" / "bgm.wav").string();
    Script script;
    // Waited for by every output made, so the test sees the opening under way.
    std::promise<void> gate;
    std::shared_future<void> gateOpen = gate.get_future().share();
    std::atomic<bool> opening = false;
    CommandMusicDevice device{[this] {
        opening = true;
        gateOpen.wait();
        ++script.made;
        return script.makes ? std::make_unique<ScriptedOutput>(script) : nullptr;
    }};
    testing::RecordingDialogs dialogs;
    testing::MapPictures pictures;
    testing::TestScreen screen;
    testing::FixedClock clock;
    Game game{Ports{dialogs, pictures, device, screen, clock}, folder.path().string() + "/"};
};

TEST_F(MusicDevice, TheGameStartsThePieceOnceOpenedAndStartsItAgainWhenItEnds) {
    StartUp();
    EXPECT_EQ(0, game.music.MciResult);
    // Start-up never waits for the sound libraries: nothing has begun to
    // load them, though a thread started would have had the time to.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(opening);
    EXPECT_EQ("not ready      ", Status());
    BgmTim_Timer(game);
    EXPECT_EQ(0, script.starts);

    gate.set_value();
    EXPECT_EQ("playing        ", StatusOnceOpened());
    EXPECT_EQ(piece, script.opened);
    EXPECT_EQ(1, script.starts);
    BgmTim_Timer(game);
    EXPECT_EQ(1, script.starts);

    script.playing = false;  // the piece has played to its end
    EXPECT_EQ("stopped        ", Status());
    BgmTim_Timer(game);
    EXPECT_EQ(2, script.starts);
    EXPECT_TRUE(script.playing);
    EXPECT_EQ(0, game.music.MciResult);

    CloseMusic(game);
    EXPECT_EQ(1, script.closes);
    EXPECT_EQ(0, game.music.MciResult);
    EXPECT_NE(0, Send("status MIDI mode"));
}

// Read as stopped, such music would be started again on every tick.
TEST_F(MusicDevice, MusicThatCannotPlayIsNeverFoundStoppedAndSaysNothing) {
    gate.set_value();
    const struct {
        const char* why;
        bool makes, opens, startWorks, fileExists;
        int starts;  // the one try of a piece that opened
    } cases[] = {
        {"no plug-in", false, true, true, true, 0},
        {"no sound device, or not a wave", true, false, true, true, 0},
        {"opens but will not start", true, true, false, true, 1},
        {"no file", true, true, true, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        script.makes = c.makes;
        script.opens = c.opens;
        script.startWorks = c.startWorks;
        if (!c.fileExists) std::filesystem::remove(piece);
        const int startsBefore = script.starts;
        StartUp();
        EXPECT_EQ(std::string(15, ' '), StatusOnceOpened());
        for (int tick = 0; tick < 3; ++tick) BgmTim_Timer(game);
        EXPECT_EQ(startsBefore + c.starts, script.starts);
        EXPECT_FALSE(script.playing);
    }
    EXPECT_EQ(2, script.made);  // made again after the plug-in failed, then kept
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MusicDevice, ARewindWhileOpeningCancelsThePlay) {
    ASSERT_EQ(0, OpenPiece());
    EXPECT_EQ(0, Send("play MIDI notify"));
    EXPECT_EQ(0, Send("seek MIDI to start"));
    gate.set_value();
    EXPECT_EQ("stopped        ", StatusOnceOpened());
    EXPECT_EQ(0, script.starts);
}

TEST_F(MusicDevice, PlayKeepsAPlayingPieceGoingButFromZeroStartsItAgain) {
    gate.set_value();
    ASSERT_EQ(0, OpenPiece());
    StatusOnceOpened();
    EXPECT_EQ(0, Send("play MIDI notify"));
    EXPECT_EQ(0, Send("play MIDI notify"));
    EXPECT_EQ(1, script.starts);
    EXPECT_EQ(0, Send("play MIDI from 0"));
    EXPECT_EQ(2, script.starts);
    EXPECT_EQ(0, Send("seek MIDI to start"));
    EXPECT_EQ("stopped        ", Status());
}

TEST_F(MusicDevice, HoldsOnePieceAtATimeAndMakesOneOutput) {
    gate.set_value();
    const std::string other = (folder.path() / "other.wav").string();
    std::ofstream(other) << "RIFF";
    ASSERT_EQ(0, OpenPiece());
    EXPECT_NE(0, Send("open \"" + other + "\" alias MIDI"));
    EXPECT_EQ(piece, script.opened);
    EXPECT_EQ(0, Send("close MIDI notify"));
    EXPECT_EQ(0, Send("open \"" + other + "\" alias MIDI"));
    StatusOnceOpened();
    EXPECT_EQ(other, script.opened);
    EXPECT_EQ(1, script.made);
}

// The player's volume reaches the output whenever it changes, also one
// chosen before the slow opening finished, and no command or reply differs.
TEST_F(MusicDevice, ThePlayersVolumeReachesTheOutputWithoutAnyCommand) {
    StartUp();
    device.SetVolume(40);
    gate.set_value();
    EXPECT_EQ("playing        ", StatusOnceOpened());
    EXPECT_DOUBLE_EQ(0.4, script.volume);
    device.SetVolume(0);
    EXPECT_DOUBLE_EQ(0, script.volume);
    EXPECT_EQ("playing        ", Status());
    script.playing = false;
    BgmTim_Timer(game);
    EXPECT_EQ(2, script.starts);
    EXPECT_DOUBLE_EQ(0, script.volume);  // a new start keeps it
    EXPECT_EQ(0, game.music.MciResult);
}

TEST_F(MusicDevice, RefusesAnyOtherCommandOrAliasAndTouchesNothing) {
    gate.set_value();
    for (const std::string& bad :
         {"open \"" + piece + "\" alias BGM", "open " + piece + " alias MIDI", std::string("open \"\" alias MIDI"),
          "open \"" + piece + "\" alias MIDI now", "open \"" + piece + "\" as MIDI"}) {
        EXPECT_NE(0, Send(bad)) << bad;
    }
    EXPECT_EQ(0, script.made);

    ASSERT_EQ(0, OpenPiece());
    ASSERT_EQ(0, Send("play MIDI notify"));
    StatusOnceOpened();
    for (const char* bad :
         {"", "play", "play MIDI", "play MIDI now", "play  MIDI notify", "stop MIDI notify", "status MIDI",
          "status MIDI mode ", "seek MIDI to end", "close BGM notify", "status BGM mode", "play BGM from 0"}) {
        std::string reply(15, ' ');
        EXPECT_NE(0, device.Send(bad, &reply)) << bad;
        EXPECT_EQ(std::string(15, ' '), reply) << bad;
    }
    EXPECT_EQ(1, script.starts);
    EXPECT_EQ(0, script.closes);
    EXPECT_TRUE(script.playing);
}

}  // namespace
}  // namespace qm::music
