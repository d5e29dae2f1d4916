// bench-disk-writes FOLDER [ROUNDS]: what forcing the game's writes onto
// the disk costs. Saves the game, and writes a register of 64 pictures as a
// new picture does, ROUNDS times each in FOLDER, once forced onto the disk
// (fsync of every file and of the folder) and once without, in turn, and
// prints the medians and the spread of both.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/text_files.h"
#include "game/picture_register.h"
#include "game/save_slot.h"
#include "unit/fake_game.h"

namespace {

namespace fs = std::filesystem;

// The disk without fsync: the yardstick the forced writes are measured by.
class UnsyncedDisk : public qm::FileSystem {
public:
    bool WriteFile(const std::string& path, std::string_view bytes) override {
        std::ofstream out(qm::PathOf(path), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out.flush());
    }
    bool SyncFolder(const std::string&) override { return true; }
    bool Rename(const std::string& from, const std::string& to) override { return disk_.Rename(from, to); }
    bool Remove(const std::string& path) override { return disk_.Remove(path); }
    bool Exists(const std::string& path) override { return disk_.Exists(path); }

private:
    qm::FileSystem& disk_ = qm::RealFileSystem();
};

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct Spread {
    double median, low, high;  // the median and the 10th and 90th percentiles
};

Spread SpreadOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) { return times[static_cast<std::size_t>(share * (times.size() - 1))]; };
    return {at(0.5), at(0.1), at(0.9)};
}

void Report(const char* what, const std::vector<double>& forced, const std::vector<double>& unforced) {
    const Spread f = SpreadOf(forced), u = SpreadOf(unforced);
    std::printf("%s: %.2f ms (%.2f-%.2f), without fsync %.2f ms (%.2f-%.2f): fsync adds %.2f ms\n", what, f.median,
                f.low, f.high, u.median, u.low, u.high, f.median - u.median);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench-disk-writes FOLDER [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc == 3 ? std::stoi(argv[2]) : 100;
    const fs::path folder = fs::path(argv[1]) / "sys";
    fs::create_directories(folder);

    qm::testing::FakeGame fake;
    qm::Game& game = fake.game;
    game.state.SysFolder = qm::Utf8Of(folder) + "/";
    game.state.PointLimit = 500;
    game.state.SelectedSlot = 1;
    // A game well on its way: the save and the register hold what it holds.
    game.state.Items = std::vector<qm::EmotionItem>(10, qm::ItemOfRow("2 哀"));
    game.state.Dish = std::vector<qm::EmotionItem>(5, qm::ItemOfRow("0 喜"));
    game.state.World = std::vector<qm::WorldPart>(8, qm::WorldPart{.name = "あいう", .counts = {1, 0, 2, 0, 0}});
    for (int i = 0; i < 64; ++i) game.state.PictureRegister.Edit().push_back(std::to_string(100 + i));

    UnsyncedDisk unsynced;
    std::vector<double> save[2], picture[2];
    for (int round = 0; round < rounds; ++round) {
        for (int forced = 0; forced < 2; ++forced) {
            if (forced)
                game.files.UseFileSystem(qm::RealFileSystem());
            else
                game.files.UseFileSystem(unsynced);
            save[forced].push_back(Milliseconds([&] { qm::SaveGame(game); }));
            picture[forced].push_back(Milliseconds([&] { qm::WritePictureRegister(game); }));
        }
    }
    if (fake.dialogs.messages.back() != "SAVE　OK") {
        std::fprintf(stderr, "the save failed: %s\n", fake.dialogs.messages.back().c_str());
        return 1;
    }
    std::printf("%d rounds in %s\n", rounds, argv[1]);
    Report("a save", save[1], save[0]);
    Report("a new picture (register of 64)", picture[1], picture[0]);
    return 0;
}
