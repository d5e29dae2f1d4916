#pragma once
// The game's music device: reads the command strings the game sends and
// plays the one piece they name through a MusicOutput, answering with the
// result codes and replies of the multimedia command interface.
//
// Opening is slow: making the output loads the sound libraries and opens
// the sound device. So an open only notes the piece; the first status query
// (the music timer's first tick, once the window is on screen) begins the
// opening on a thread of its own. Until it has finished the piece is "not
// ready", a play is kept for when it is, and a piece that fails to open is
// silently closed. Closing, or opening again, waits for the opening.

#include <functional>
#include <future>
#include <memory>

#include "core/ports.h"
#include "music_command.h"
#include "music_output.h"

namespace qm::music {

class CommandMusicDevice : public AudioDevice {
public:
    // Makes the output, once, on the opening thread; nothing means no sound.
    using OutputMaker = std::function<std::unique_ptr<MusicOutput>()>;

    explicit CommandMusicDevice(OutputMaker makeOutput) : makeOutput_(std::move(makeOutput)) {}
    int Send(const std::string& command, std::string* reply) override;

    // The player's volume, in percent (0 while muted): applied to the
    // output as soon as it is there, without any command or reply changing.
    void SetVolume(int percent);

private:
    enum class Piece { None, Opening, Open };
    struct Opened {
        std::unique_ptr<MusicOutput> output;
        bool playable;
    };

    int Open(const std::string& path);
    void BeginOpening();
    bool OpeningDone() const;
    bool Settle(bool wait);
    int WhileOpening(MusicVerb verb, std::string* reply);
    int Start();
    void GiveUp();

    OutputMaker makeOutput_;
    std::unique_ptr<MusicOutput> output_;
    std::string pathToOpen_;
    std::future<Opened> opening_;
    Piece piece_ = Piece::None;
    bool startWanted_ = false;
    int volume_ = 100;
};

}  // namespace qm::music
