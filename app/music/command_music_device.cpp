#include "command_music_device.h"

#include <chrono>
#include <filesystem>
#include <string_view>

namespace qm::music {
namespace {

// The one alias the device knows.
constexpr std::string_view kAlias = "MIDI";

// Result codes, numbered as the multimedia command interface numbers them.
constexpr int kUnrecognizedCommand = 261;
constexpr int kHardware = 262;
constexpr int kInvalidDeviceName = 263;  // nothing open under that alias
constexpr int kFileNotFound = 275;
constexpr int kDuplicateAlias = 289;

void WriteReply(std::string* reply, std::string_view text) {
    if (reply) reply->replace(0, text.size(), text);
}

}  // namespace

int CommandMusicDevice::Send(const std::string& text, std::string* reply) {
    const std::optional<MusicCommand> command = ParseMusicCommand(text);
    if (!command) return kUnrecognizedCommand;
    if (command->alias != kAlias) return kInvalidDeviceName;
    const MusicVerb verb = command->verb;
    if (piece_ == Piece::Opening && !Settle(verb == MusicVerb::Open || verb == MusicVerb::Close)) {
        return WhileOpening(verb, reply);
    }
    if (verb == MusicVerb::Open) return Open(command->path);
    if (piece_ != Piece::Open) return kInvalidDeviceName;
    switch (verb) {
        case MusicVerb::Close:
            GiveUp();
            return 0;
        case MusicVerb::Play:
            return output_->Playing() ? 0 : Start();
        case MusicVerb::PlayFromStart:
            return Start();
        case MusicVerb::Rewind:
            output_->Stop();
            return 0;
        case MusicVerb::QueryMode:
            WriteReply(reply, output_->Playing() ? "playing" : "stopped");
            return 0;
        case MusicVerb::Open:
            break;
    }
    return kUnrecognizedCommand;
}

void CommandMusicDevice::SetVolume(int percent) {
    volume_ = percent;
    // While the opening runs, the output belongs to its thread; Settle
    // gives it the volume.
    if (piece_ != Piece::Opening && output_) output_->SetVolume(volume_ / 100.0);
}

int CommandMusicDevice::Open(const std::string& path) {
    if (piece_ == Piece::Open) return kDuplicateAlias;
    // Checked here, so that a game without music never loads the sound libraries.
    if (!std::filesystem::is_regular_file(path)) return kFileNotFound;
    pathToOpen_ = path;
    piece_ = Piece::Opening;
    startWanted_ = false;
    return 0;
}

void CommandMusicDevice::BeginOpening() {
    opening_ =
        std::async(std::launch::async, [output = std::move(output_), make = makeOutput_, path = pathToOpen_]() mutable {
            if (!output) output = make();
            const bool playable = output && output->Open(path);
            return Opened{std::move(output), playable};
        });
}

bool CommandMusicDevice::OpeningDone() const {
    return opening_.valid() && opening_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// Takes over the piece once its opening has finished, or at once when asked
// to wait; false while the opening goes on, or has not begun.
bool CommandMusicDevice::Settle(bool wait) {
    if (!wait && !OpeningDone()) return false;
    if (!opening_.valid()) BeginOpening();
    Opened opened = opening_.get();
    output_ = std::move(opened.output);
    piece_ = opened.playable ? Piece::Open : Piece::None;
    if (output_) output_->SetVolume(volume_ / 100.0);
    if (piece_ == Piece::Open && startWanted_) Start();
    return true;
}

int CommandMusicDevice::WhileOpening(MusicVerb verb, std::string* reply) {
    switch (verb) {
        case MusicVerb::Play:
        case MusicVerb::PlayFromStart:
            startWanted_ = true;
            break;
        case MusicVerb::Rewind:
            startWanted_ = false;
            break;
        case MusicVerb::QueryMode:
            // The first query is the music timer's first tick, by when the
            // window is on screen.
            if (!opening_.valid()) BeginOpening();
            WriteReply(reply, "not ready");
            break;
        case MusicVerb::Open:
        case MusicVerb::Close:
            break;  // these waited for the opening
    }
    return 0;
}

int CommandMusicDevice::Start() {
    if (output_->Start()) return 0;
    // A piece that will not play is given up: left open it would read as
    // stopped, and the music timer would try it again on every tick.
    GiveUp();
    return kHardware;
}

void CommandMusicDevice::GiveUp() {
    output_->Close();
    piece_ = Piece::None;
}

}  // namespace qm::music
