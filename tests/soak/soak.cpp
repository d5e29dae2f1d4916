// quillmere-soak GAME_DIR [ACTIONS [SEED]]: plays ACTIONS random player
// actions (100000 unless given) with the headless driver's ports on a copy
// of the game folder's content, checks after each what must always hold,
// and ends with the actions per second and the peak memory. Stops with
// status 1 at the first broken rule, naming it and the actions before it.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "core/game.h"
#include "core/lifecycle.h"
#include "fake_ports.h"
#include "soak_actions.h"
#include "soak_checks.h"
#include "temp_folder.h"
#include "unit/fake_game.h"

namespace fs = std::filesystem;

namespace {

// The content only, as a player's fresh copy of the game has it.
fs::path CopyContent(const fs::path& game, const fs::path& into) {
    const fs::path copy = into / "game";
    fs::create_directories(copy / "sys");
    for (const char* folder : {"img", "face", "txt"})
        if (fs::exists(game / folder)) fs::copy(game / folder, copy / folder, fs::copy_options::recursive);
    fs::copy(game / "sys" / "system.dat", copy / "sys" / "system.dat");
    return copy;
}

long PeakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: quillmere-soak GAME_DIR [ACTIONS [SEED]]\n";
        return 2;
    }
    const long actions = argc > 2 ? std::stol(argv[2]) : 100000;
    const std::uint32_t seed = argc > 3 ? static_cast<std::uint32_t>(std::stoul(argv[3])) : 12;

    const qm::testing::TempFolder temp;
    const fs::path folder = CopyContent(argv[1], temp.path());
    std::ostringstream music;  // what the fake music device is told
    qm::testing::RecordingDialogs dialogs;
    qm::headless::HeaderPictures pictures;
    qm::headless::FakeAudio audio(music);
    qm::headless::FixedScreen screen;
    qm::headless::SeedClock clock;
    clock.fixed = seed;
    qm::Game game(qm::Ports{dialogs, pictures, audio, screen, clock}, qm::Utf8Of(folder));
    qm::soak::RandomPlayer player(seed);

    const auto start = std::chrono::steady_clock::now();
    qm::Form_Load(game);
    qm::Form_Activate(game);
    std::deque<std::string> recent;
    bool menuOpen = false;
    for (long done = 0; done < actions; ++done) {
        const qm::soak::Before before = qm::soak::Remember(game);
        const std::string action = player.Act(game, menuOpen);
        menuOpen = !dialogs.popups.empty();
        dialogs.popups.clear();
        music.str("");
        recent.push_back(action);
        if (recent.size() > 30) recent.pop_front();
        if (const auto broken = qm::soak::Broken(game, before, action, dialogs.messages)) {
            std::cerr << "action " << done + 1 << " (seed " << seed << "): " << *broken << "\nthe last actions:\n";
            for (const std::string& line : recent) std::cerr << "  " << line << "\n";
            return 1;
        }
        dialogs.messages.clear();
    }
    qm::Form_Unload(game);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld actions in %.1f s: %.0f actions/s, peak memory %.1f MiB; %zu pictures registered\n", actions,
                seconds, actions / seconds, PeakMemoryKiB() / 1024.0, game.state.PictureRegister.size());
    return 0;
}
