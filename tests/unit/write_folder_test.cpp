// Where the game writes: beside its data when it may, in the player's own
// folder when the program's folder is read-only, as an installed game's is.

#include "game/write_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "fake_game.h"
#include "game/lifecycle.h"
#include "game/save_slot.h"
#include "pictures/album.h"
#include "temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

// Folders listed as read-only cannot be written; the player's folder is
// the one given, and each question is counted.
struct ListedStorage : Storage {
    bool CanWrite(const std::string& folder) override { return !readOnly.count(folder); }
    std::string PlayerFolder() override {
        ++playerFolderAsked;
        return playerFolder;
    }
    std::set<std::string> readOnly;
    std::string playerFolder;
    int playerFolderAsked = 0;
};

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WriteFolderTest : public ::testing::Test {
protected:
    WriteFolderTest() {
        fs::create_directories(program / "sys");
        fs::create_directories(program / "txt");
        std::ofstream(program / "sys" / "system.dat", std::ios::binary) << ".txt\r\n.png\r\n\r\n1\r\n";
        std::ofstream(program / "sys" / "lstphoto.dat", std::ios::binary) << "012\r\n";  // came with the folder
        std::ofstream(program / "txt" / "end.txt", std::ios::binary) << "end\r\n";
        std::ofstream(program / "txt" / "arub.txt", std::ios::binary) << "<SYASIN>\r\n";
        storage.playerFolder = (temp.path() / "player").string();
    }

    std::unique_ptr<Game> Start() {
        auto game = std::make_unique<Game>(
            Ports{fake.dialogs, fake.pictures, fake.audio, fake.screen, fake.clock, storage}, program.string());
        Form_Load(*game);
        return game;
    }

    void MakeReadOnly() { storage.readOnly = {program.string() + "/", (program / "sys").string() + "/"}; }

    testing::TempFolder temp;
    const fs::path program = temp.path() / "game";
    const fs::path player = temp.path() / "player";
    testing::FakeGame fake;
    ListedStorage storage;
};

TEST_F(WriteFolderTest, AWritableGameFolderKeepsEverythingAndNeverAsksForAnother) {
    const auto game = Start();
    EXPECT_EQ(program.string() + "/", game->state.WriteFolder);
    EXPECT_EQ(program.string() + "/sys/", game->state.SysFolder);
    EXPECT_EQ(0, storage.playerFolderAsked);
    EXPECT_FALSE(fs::exists(player));
}

TEST_F(WriteFolderTest, AReadOnlyGameFolderWritesEverythingIntoThePlayersFolder) {
    MakeReadOnly();
    auto game = Start();
    GameState& s = game->state;
    EXPECT_EQ(player.string() + "/", s.WriteFolder);
    EXPECT_EQ(player.string() + "/sys/", s.SysFolder);
    EXPECT_TRUE(fs::is_directory(player / "sys"));
    // The register the folder came with, until the player has one.
    EXPECT_EQ(std::vector<std::string>{"012"}, game->state.PictureRegister);

    game->state.PictureRegister.Edit().push_back("135");
    SaveGame(*game);
    LoadGame(*game);
    s.PicturesPresent = true;
    ComIvent_MouseUp(*game, 0, 1);
    Form_Unload(*game);
    const std::string albumAsked = "アルバム制作します・OKを押して下さい。\r\nこの作業は時間がかかる場合があります。";
    EXPECT_EQ((std::vector<std::string>{"SAVE　OK", "Load　OK", albumAsked,
                                        "アルバムを制作しました。\r\n" + player.string() + "/の中を覗いてみて下さい"}),
              fake.dialogs.messages);
    for (const char* name : {"all.dat", "lstkan.dat", "lstitem.dat", "lstworld.dat"})
        EXPECT_TRUE(fs::exists(player / "sys" / name)) << name;
    EXPECT_EQ("012\r\n135\r\n", Contents(player / "sys" / "lstphoto.dat"));
    // The album shows the pictures where the game keeps them.
    EXPECT_NE(std::string::npos, Contents(player / "アルバム.html").find((program / "img" / "135.png").string()));
    EXPECT_EQ("012\r\n", Contents(program / "sys" / "lstphoto.dat"));
    EXPECT_FALSE(fs::exists(program / "sys" / "all.dat"));

    // The next run reads the player's register, not the one the folder came with.
    game = Start();
    EXPECT_EQ((std::vector<std::string>{"012", "135"}), game->state.PictureRegister);
}

TEST_F(WriteFolderTest, AReadOnlySysFolderIsEnoughToMoveAndTheSaveTheFolderCameWithStillLoads) {
    storage.readOnly = {(program / "sys").string() + "/"};
    std::string numbers;
    for (int line = 1; line <= 28; ++line) numbers += line == 9 ? " 40 \r\n" : line == 20 ? " 1 \r\n" : " 0 \r\n";
    std::ofstream(program / "sys" / "all.dat", std::ios::binary) << numbers;
    for (const char* name : {"lstkan.dat", "lstitem.dat", "lstworld.dat"}) std::ofstream(program / "sys" / name);
    const auto game = Start();
    EXPECT_EQ(player.string() + "/", game->state.WriteFolder);
    LoadGame(*game);
    EXPECT_EQ(std::vector<std::string>{"Load　OK"}, fake.dialogs.messages);
    EXPECT_EQ(40, game->state.PointsUsed);
}

TEST_F(WriteFolderTest, WithoutAPlayersFolderTheGameWritesWhereItIsAsBefore) {
    MakeReadOnly();
    storage.playerFolder.clear();
    const auto game = Start();
    EXPECT_EQ(program.string() + "/", game->state.WriteFolder);
    EXPECT_EQ(program.string() + "/sys/", game->state.SysFolder);
}

}  // namespace
}  // namespace qm
