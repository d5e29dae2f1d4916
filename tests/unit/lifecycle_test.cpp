// Start-up, the reset and shut-down against a real game folder.

#include "game/lifecycle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fake_game.h"
#include "game/events.h"
#include "pictures/picture_viewer.h"
#include "temp_folder.h"

#ifdef __unix__
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace qm {
namespace {

namespace fs = std::filesystem;

class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder / "sys");
        std::ofstream(folder / "sys" / "system.dat", std::ios::binary) << ".txt\r\n.png\r\n\r\n1\r\n";
        fs::create_directories(folder / "txt");
        std::ofstream(folder / "txt" / "end.txt", std::ios::binary) << "end\r\n";
        Form_Load(game);
    }

    std::string Register() const {
        std::ifstream in(folder / "sys" / "lstphoto.dat", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing::TempFolder temp;
    const fs::path& folder = temp.path();
    testing::FakeGame fake{folder.string()};
    Game& game = fake.game;
};

TEST_F(LifecycleTest, AResetClearsTheGameButKeepsWhatOutlivesIt) {
    GameState& s = game.state;
    Form& f = game.form;
    s.Affection[3] = 5;
    s.PointsUsed = 120;
    s.PointLimit = 500;
    s.SoloCount[2] = 2;
    s.EventPicture = "135";
    s.SlotColour[1] = {9, 9, 9};
    Click(game, f.ColorChk[1]);
    s.Items = {ItemOfRow("2 哀")};
    f.LstKan.listIndex = 0;
    s.Dish = {ItemOfRow("0 喜")};
    s.World = {WorldPartOf({"x", "x", "x", "x"})};
    s.PictureRegister = {"135"};
    f.TimSay.enabled = true;

    ResetGame(game);
    ResetGame(game);  // twice is the same as once
    game.Project();

    EXPECT_EQ((std::array<std::int16_t, 8>{}), s.Affection);
    EXPECT_EQ(0, s.PointsUsed);
    EXPECT_EQ("0", f.LblPC.caption);
    EXPECT_EQ(500, s.PointLimit);
    EXPECT_EQ(2, s.SoloCount[2]);
    EXPECT_EQ("", s.EventPicture);
    EXPECT_EQ((std::array<std::int16_t, 3>{9, 9, 9}), s.SlotColour[1]);
    EXPECT_TRUE(f.LstKan.Rows().empty());
    EXPECT_EQ(-1, f.LstKan.listIndex);
    EXPECT_TRUE(f.LstItem.Rows().empty());
    for (const Control& column : f.LstWorldItem) EXPECT_TRUE(column.Rows().empty());
    EXPECT_EQ(std::vector<std::string>{"135"}, f.LstIvent.Rows());
    EXPECT_FALSE(f.TimSay.enabled);
    EXPECT_TRUE(f.PicStt.visible);
}

// The ending leaves its chronicle and button showing; the title must not
// come back behind them.
TEST_F(LifecycleTest, TheTitleComesBackInFrontOfTheChronicle) {
    Form& f = game.form;
    game.state.Shown.Ending = true;
    f.BringToFront(f.TxtEnd);
    ResetGame(game);
    EXPECT_EQ(&f.PicStt, f.StackOf(f.Frm).back());
}

TEST_F(LifecycleTest, ShutDownWritesTheRegisterEvenWhenItIsEmpty) {
    Form_Unload(game);
    EXPECT_TRUE(fs::exists(folder / "sys" / "lstphoto.dat"));
    EXPECT_EQ("", Register());
    EXPECT_EQ(0, game.exitCode);
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

// Entries the game cannot read as text still come back exactly as they were.
TEST_F(LifecycleTest, TheRegisterComesBackByteForByte) {
    const std::string bytes =
        "\x80"
        "abc\r\n\xED\x40\r\n012\r\n";
    std::ofstream(folder / "sys" / "lstphoto.dat", std::ios::binary) << bytes;
    Form_Load(game);
    EXPECT_EQ(3u, game.state.PictureRegister.size());
    Form_Unload(game);
    EXPECT_EQ(bytes, Register());
}

TEST_F(LifecycleTest, AnUnwritableRegisterIsReportedAndTheGameStillEnds) {
    std::ofstream(folder / "sys" / "lstphoto.dat", std::ios::binary) << "012\r\n";
    fs::create_directory(folder / "sys" / "lstphoto.dat.new");
    game.state.PictureRegister = {"012", "135"};
    Form_Unload(game);
    ASSERT_EQ(1u, fake.dialogs.messages.size());
    EXPECT_TRUE(fake.dialogs.messages[0].starts_with("記憶絵の記録を書き込めませんでした。"));
    EXPECT_EQ("012\r\n", Register());
    EXPECT_EQ(0, game.exitCode);
}

#ifdef __unix__
// A program killed right after a picture joined the register, before any
// shut-down, still has it at the next start.
TEST_F(LifecycleTest, ANewPictureSurvivesAKillRightAfterIt) {
    std::ofstream(folder / "sys" / "lstphoto.dat", std::ios::binary) << "012\r\n";
    const pid_t child = fork();
    ASSERT_NE(-1, child);
    if (child == 0) {
        testing::FakeGame running{folder.string()};
        Form_Load(running.game);
        LBlIvent_See(running.game, "135");
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ("012\r\n135\r\n", Register());
    testing::FakeGame again{folder.string()};
    Form_Load(again.game);
    EXPECT_EQ((std::vector<std::string>{"012", "135"}), again.game.state.PictureRegister);
}
#endif

}  // namespace
}  // namespace qm
