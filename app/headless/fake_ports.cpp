#include "fake_ports.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include "core/text_files.h"
#include "json.h"
#include "ui/control.h"

namespace qm::headless {
namespace {

// What the multimedia interface answers for an alias that is not open.
constexpr int kNoSuchDevice = 263;
constexpr int kUnknownCommand = 261;

std::uint32_t BigEndian(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

void PrintedDialogs::MessageBox(const std::string& text) { out_ << "MsgBox = " << Json(text) << "\n"; }

void PrintedDialogs::PopupMenu(const Control& menu) { out_ << "Popup = " << Json(menu.name) << "\n"; }

std::optional<PictureSize> HeaderPictures::Load(const Control&, const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
    static const unsigned char kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!std::equal(std::begin(kPng), std::end(kPng), header)) return std::nullopt;
    if (std::string(header + 12, header + 16) != "IHDR") return std::nullopt;
    return PictureSize{static_cast<int>(BigEndian(header + 16)), static_cast<int>(BigEndian(header + 20))};
}

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
