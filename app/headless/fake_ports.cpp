#include "fake_ports.h"

#include <chrono>
#include <filesystem>

#include "core/png_header.h"
#include "core/text_files.h"
#include "json.h"
#include "ui/control.h"

namespace qm::headless {
namespace {

// What the multimedia interface answers for an alias that is not open.
constexpr int kNoSuchDevice = 263;
constexpr int kUnknownCommand = 261;

}  // namespace

void PrintedDialogs::MessageBox(const std::string& text) { out_ << "MsgBox = " << Json(text) << "\n"; }

void PrintedDialogs::PopupMenu(const Control& menu) { out_ << "Popup = " << Json(menu.name) << "\n"; }

std::optional<PictureSize> HeaderPictures::Load(const Control&, const std::string& path) { return PngSizeOf(path); }

int FakeAudio::Send(const std::string& command, std::string* reply) {
    out_ << "Mci = " << Json(command) << "\n";
    const std::string openPrefix = "open \"";
    if (command.starts_with(openPrefix)) {
        const std::string path = command.substr(openPrefix.size(), command.rfind('"') - openPrefix.size());
        if (open_ || !std::filesystem::is_regular_file(PathOf(path))) return kNoSuchDevice;
        open_ = true;
        mode_ = "not ready";
        return 0;
    }
    if (!open_) return kNoSuchDevice;
    if (command == "close MIDI notify") {
        open_ = false;
    } else if (command == "play MIDI notify" || command == "play MIDI from 0") {
        mode_ = "playing";
    } else if (command == "status MIDI mode") {
        if (reply) reply->replace(0, mode_.size(), mode_);
    } else if (command != "seek MIDI to start") {
        return kUnknownCommand;
    }
    return 0;
}

void FakeAudio::EndPiece() {
    if (open_) mode_ = "stopped";
}

std::uint32_t SeedClock::Seed() {
    if (fixed) return *fixed;
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace qm::headless
