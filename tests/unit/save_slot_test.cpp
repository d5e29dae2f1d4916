// The save slot on a real folder: what the files hold, what loading
// refuses, and that a save cut short never leaves a mix of two saves.

#include "game/save_slot.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "core/file_set.h"
#include "core/save_numbers.h"
#include "failing_disk.h"
#include "fake_game.h"
#include "temp_folder.h"

#ifdef __unix__
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace qm {
namespace {

namespace fs = std::filesystem;

TEST(SaveNumbers, AreWrittenWithBlanksAndReadAsTheGameAlwaysHas) {
    EXPECT_EQ(" 0 ", SaveNumber(0));
    EXPECT_EQ(" 12 ", SaveNumber(12));
    EXPECT_EQ("-3 ", SaveNumber(-3));
    const auto read16 = [](const char* line) { return ReadSaveNumber(line, -32768, 32767); };
    EXPECT_EQ(12, read16(" 12 "));
    EXPECT_EQ(-3, read16("-3 "));
    EXPECT_EQ(0, read16("abc"));
    EXPECT_EQ(0, read16(""));
    EXPECT_EQ(7, read16("7 apples"));
    EXPECT_EQ(12, read16("1 2"));  // blanks inside a number are skipped too
    EXPECT_EQ(2, read16("2.5"));   // halves go to the even neighbour
    EXPECT_EQ(4, read16("3.5"));
    EXPECT_EQ(1000, read16("1e3"));
    EXPECT_EQ(std::nullopt, read16("40000"));
    EXPECT_EQ(std::nullopt, read16("-1e999"));
    EXPECT_EQ(std::nullopt, ReadSaveNumber(" 4 ", 1, 3));
}

class SaveSlotTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder / "sys");
        game.state.SysFolder = (folder / "sys").string() + "/";
        game.state.PointLimit = 500;
        game.state.SelectedSlot = 1;
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(folder / "sys" / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(folder / "sys" / name, std::ios::binary) << text;
    }
    // A complete, valid save of 28 numbers and one row in each list.
    void WriteSave(const std::string& numbers) {
        Write("all.dat", numbers);
        Write("lstkan.dat", "2 \x88\xa3\r\n");  // "2 哀" in CP932
        Write("lstitem.dat", "");
        Write("lstworld.dat", "A【生物】,A,1 0 0 0 0,0\r\n");
    }
    // `count` lines of 5, but the selected slot (line 20) and the last line.
    static std::string Numbers(int count, const std::string& slot = " 2 ", const std::string& last = " 1 ") {
        std::string text;
        for (int line = 1; line <= count; ++line) text += (line == 20 ? slot : line == count ? last : " 5 ") + "\r\n";
        return text;
    }
    const std::string& LastMessage() const { return fake.dialogs.messages.back(); }
    static std::vector<EmotionItem> Items(std::initializer_list<const char*> rows) {
        std::vector<EmotionItem> items;
        for (const char* row : rows) items.push_back(ItemOfRow(row));
        return items;
    }
    static std::vector<std::string> Rows(const std::vector<EmotionItem>& items) {
        std::vector<std::string> rows;
        for (const EmotionItem& item : items) rows.push_back(item.row);
        return rows;
    }

    testing::TempFolder temp;
    const fs::path& folder = temp.path();
    testing::FakeGame fake{folder.string()};
    Game& game = fake.game;
};

TEST_F(SaveSlotTest, WritesTheFourFilesLineByLine) {
    GameState& s = game.state;
    s.Affection = {1, 0, 0, 0, 0, 0, 0, -3};
    s.PointsUsed = 45;
    s.SlotColour[1] = {10, 20, 30};
    s.SelectedSlot = 2;
    s.SoloCount[2] = 4;
    s.Items = {MakeItem(0, "喜"), MakeItem(4, "愛")};
    s.World = {WorldPartOf({"A", "B", "C", "D"})};
    SaveGame(game);
    EXPECT_EQ("SAVE　OK", LastMessage());
    EXPECT_EQ(
        " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n-3 \r\n 45 \r\n 500 \r\n"
        " 0 \r\n 0 \r\n 0 \r\n 10 \r\n 20 \r\n 30 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n"
        " 0 \r\n 0 \r\n 4 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n",
        Read("all.dat"));
    EXPECT_EQ("0 \x8a\xec\r\n4 \x88\xa4\r\n", Read("lstkan.dat"));  // CP932
    EXPECT_EQ("", Read("lstitem.dat"));
    EXPECT_EQ("A,B,C,D\r\n", Read("lstworld.dat"));
    EXPECT_FALSE(fs::exists(folder / "sys" / "save.commit"));
}

TEST_F(SaveSlotTest, AnOldSaveWithoutSoloCountsKeepsTheCurrentOnes) {
    WriteSave(Numbers(20));
    game.state.SoloCount = {1, 2, 3, 4, 5, 0, 0, 0};
    LoadGame(game);
    EXPECT_EQ("Load　OK", LastMessage());
    EXPECT_EQ(5, game.state.Affection[0]);
    EXPECT_EQ(2, game.state.SelectedSlot);
    EXPECT_EQ((std::array<std::int16_t, 8>{1, 2, 3, 4, 5, 0, 0, 0}), game.state.SoloCount);
    EXPECT_EQ(std::vector<std::string>{"2 哀"}, Rows(game.state.Items));
    EXPECT_EQ("1 0 0 0 0", ColumnsOf(game.state.World.at(0))[2]);
}

// Rows the game cannot read as text are saved again exactly as they were.
TEST_F(SaveSlotTest, ListRowsComeBackByteForByte) {
    WriteSave(Numbers(28));
    Write("lstkan.dat",
          "\x80"
          "2 abc\r\n\xED\x40\r\n");
    Write("lstworld.dat", "A\xFF,A,1 0 0 0 0,0\r\n");
    LoadGame(game);
    ASSERT_EQ("Load　OK", LastMessage());
    SaveGame(game);
    EXPECT_EQ(
        "\x80"
        "2 abc\r\n\xED\x40\r\n",
        Read("lstkan.dat"));
    EXPECT_EQ("A\xFF,A,1 0 0 0 0,0\r\n", Read("lstworld.dat"));
}

// Each damaged save is named and changes nothing in the game.
TEST_F(SaveSlotTest, ADamagedSaveIsNamedAndTheGameStaysAsItWas) {
    struct Case {
        std::string numbers, world;
        bool removeDish;
        std::string expected;
    };
    const Case cases[] = {
        {Numbers(19), "", false, "all.dat\r\n行が足りません"},
        {" 5 \r\n 5 \r\n 5 \r\n 5 \r\n 99999 \r\n" + Numbers(23), "", false, "all.dat の5行目"},
        {Numbers(28, " 4 "), "", false, "all.dat の20行目"},
        {Numbers(28), "A,B,C\r\n", false, "lstworld.dat の1行目"},
        {Numbers(28), "", true, "lstitem.dat"},
    };
    for (const Case& c : cases) {
        WriteSave(c.numbers);
        if (!c.world.empty()) Write("lstworld.dat", c.world);
        if (c.removeDish) fs::remove(folder / "sys" / "lstitem.dat");
        game.state.Items = Items({"keep"});
        game.state.PointsUsed = 77;
        game.state.Shown.Title = true;
        LoadGame(game);
        EXPECT_TRUE(LastMessage().starts_with("ロードできませんでした。")) << c.expected;
        EXPECT_NE(std::string::npos, LastMessage().find(c.expected)) << LastMessage();
        EXPECT_EQ(std::vector<std::string>{"keep"}, Rows(game.state.Items));
        EXPECT_EQ(77, game.state.PointsUsed);
        EXPECT_TRUE(game.state.Shown.Title);
    }
}

TEST_F(SaveSlotTest, ASaveThatCannotBeWrittenLeavesTheOldOneWhole) {
    WriteSave(Numbers(28));
    // A folder that is not empty stands in the way of the new file.
    fs::create_directories(folder / "sys" / "lstitem.dat.new" / "x");
    game.state.Items = Items({"new"});
    SaveGame(game);
    EXPECT_TRUE(LastMessage().starts_with("セーブできませんでした。"));
    EXPECT_EQ(Numbers(28), Read("all.dat"));
    EXPECT_EQ("2 \x88\xa3\r\n", Read("lstkan.dat"));
    EXPECT_FALSE(fs::exists(folder / "sys" / "all.dat.new"));
}

// A set marked complete is finished at the next look; one that was not is
// thrown away.
TEST_F(SaveSlotTest, AnInterruptedSaveIsFinishedOrUndone) {
    const std::vector<std::string> names = {"a", "b"};
    Write("a", "old a");
    Write("b", "old b");
    Write("a.new", "new a");
    SettleFileSet(RealFileSystem(), game.state.SysFolder, names);
    EXPECT_EQ("old a", Read("a"));
    EXPECT_FALSE(fs::exists(folder / "sys" / "a.new"));

    Write("b.new", "new b");  // "a" had been moved in already
    Write("a", "new a");
    Write("save.commit", "a\r\nb\r\n");
    SettleFileSet(RealFileSystem(), game.state.SysFolder, names);
    EXPECT_EQ("new a", Read("a"));
    EXPECT_EQ("new b", Read("b"));
    EXPECT_FALSE(fs::exists(folder / "sys" / "save.commit"));
}

// A file that will not move (made immutable, or held open by another
// program) fails the save wherever the move stops, and the old save is
// loaded afterwards, whole.
TEST_F(SaveSlotTest, AFileThatWillNotMoveFailsTheSaveAndKeepsTheOldOne) {
    for (const char* stuck : {"lstitem.dat", "lstitem.dat.new", "lstworld.dat"}) {
        WriteSave(Numbers(28));
        testing::FailingDisk disk;
        disk.fails = testing::FailsOn(testing::DiskStep::Rename, stuck);
        game.files.UseFileSystem(disk);
        game.state.PointsUsed = 77;
        game.state.Items = Items({"new"});
        game.state.Dish = Items({"new"});
        SaveGame(game);
        EXPECT_TRUE(LastMessage().starts_with("セーブできませんでした。")) << stuck;
        EXPECT_NE(std::string::npos, LastMessage().find("前のセーブはそのまま残っています。")) << stuck;
        EXPECT_EQ(Numbers(28), Read("all.dat")) << stuck;
        EXPECT_EQ("", Read("lstitem.dat")) << stuck;
        EXPECT_EQ(4, std::distance(fs::directory_iterator(folder / "sys"), fs::directory_iterator())) << stuck;

        game.files.UseFileSystem(RealFileSystem());
        LoadGame(game);
        EXPECT_EQ("Load　OK", LastMessage());
        EXPECT_EQ(5, game.state.PointsUsed) << stuck;
        EXPECT_EQ(std::vector<std::string>{"2 哀"}, Rows(game.state.Items)) << stuck;
        EXPECT_TRUE(game.state.Dish.empty()) << stuck;
    }
}

// When the old files cannot come back either, the new save stays complete
// and marked so, the player is told, and the next load finishes it.
TEST_F(SaveSlotTest, WhenTheOldFilesCannotComeBackTheNewSaveIsLoadedWhole) {
    WriteSave(Numbers(28));
    testing::FailingDisk disk;
    disk.fails = testing::FailsOn(testing::DiskStep::Rename, "lstitem.dat.new");
    disk.renameFails = [](const std::string& from, const std::string&) { return from.ends_with("all.dat.old"); };
    game.files.UseFileSystem(disk);
    game.state.PointsUsed = 77;
    game.state.Items = Items({"new"});
    SaveGame(game);
    EXPECT_TRUE(LastMessage().starts_with("セーブできませんでした。"));
    EXPECT_NE(std::string::npos, LastMessage().find("このセーブは次のロードで読み込まれます。")) << LastMessage();

    game.files.UseFileSystem(RealFileSystem());
    game.state.PointsUsed = 0;
    LoadGame(game);
    EXPECT_EQ("Load　OK", LastMessage());
    EXPECT_EQ(77, game.state.PointsUsed);
    EXPECT_EQ(std::vector<std::string>{"new"}, Rows(game.state.Items));
}

// A save marked complete that cannot be moved into place (a read-only
// folder) is never read half-way: the load says so and changes nothing.
TEST_F(SaveSlotTest, ALoadThatCannotFinishACompleteSaveReadsNothing) {
    WriteSave(Numbers(28));
    Write("lstkan.dat.new", "0 \x8a\xec\r\n");
    Write("save.commit", "all.dat\r\nlstkan.dat\r\nlstitem.dat\r\nlstworld.dat\r\n");
    testing::FailingDisk readOnly;
    readOnly.fails = [](testing::DiskStep, const std::string&) { return true; };
    game.files.UseFileSystem(readOnly);
    game.state.Items = Items({"keep"});
    game.state.PointsUsed = 77;
    LoadGame(game);
    EXPECT_TRUE(LastMessage().starts_with("ロードできませんでした。")) << LastMessage();
    EXPECT_NE(std::string::npos, LastMessage().find("lstkan.dat")) << LastMessage();
    EXPECT_EQ(std::vector<std::string>{"keep"}, Rows(game.state.Items));
    EXPECT_EQ(77, game.state.PointsUsed);

    game.files.UseFileSystem(RealFileSystem());  // the folder can be written again
    LoadGame(game);
    EXPECT_EQ("Load　OK", LastMessage());
    EXPECT_EQ(std::vector<std::string>{"0 喜"}, Rows(game.state.Items));
}

// The program stops after each change to the disk in turn, while saving
// and while putting the old save back after a file would not move: the
// next load always finds one whole save.
TEST_F(SaveSlotTest, StoppingTheProgramAtAnyStepOfASaveNeverLeavesAMix) {
    for (const char* stuck : {"", "lstworld.dat.new"}) {
        for (int step = 0;; ++step) {
            WriteSave(Numbers(28));  // the old save: 5 points, "2 哀"
            testing::FailingDisk disk;
            if (*stuck) disk.fails = testing::FailsOn(testing::DiskStep::Rename, stuck);
            disk.stopAfter = step;
            game.files.UseFileSystem(disk);
            game.state.PointsUsed = 2;
            game.state.Items = Items({"B"});
            game.state.Dish = Items({"B"});
            game.state.World = {WorldPartOf({"B", "B", "B", "B"})};
            bool stopped = false;
            try {
                SaveGame(game);
            } catch (const testing::ProgramStopped&) {
                stopped = true;
            }
            game.files = TextFiles();  // a new program
            LoadGame(game);
            ASSERT_EQ("Load　OK", LastMessage()) << stuck << " step " << step;
            const bool isNew = game.state.PointsUsed == 2;
            EXPECT_EQ(isNew ? "B" : "2 哀", game.state.Items.at(0).row) << stuck << " step " << step;
            EXPECT_EQ(isNew ? 1u : 0u, game.state.Dish.size()) << stuck << " step " << step;
            EXPECT_EQ(isNew ? "B" : "A", game.state.World.at(0).name) << stuck << " step " << step;
            if (!stopped) break;
        }
    }
}

#ifdef __unix__
// A child saves two different games in turn without end and is killed at a
// random moment; whatever it left, the next load sees one whole save.
TEST_F(SaveSlotTest, KillingTheProgramMidSaveNeverLeavesAMix) {
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_NE(-1, child);
        if (child == 0) {
            for (int n = 0;; ++n) {
                const std::string mark = n % 2 ? "B" : "A";
                game.state.PointsUsed = static_cast<std::int16_t>(n % 2 ? 2 : 1);
                game.state.Items.Edit().assign(50, ItemOfRow(mark));
                game.state.Dish.Edit().assign(50, ItemOfRow(mark));
                game.state.World.Edit().assign(50, WorldPartOf({mark, mark, mark, mark}));
                SaveGame(game);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + round * 397 % 5000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        SettleFileSet(RealFileSystem(), game.state.SysFolder, {"all.dat", "lstkan.dat", "lstitem.dat", "lstworld.dat"});
        if (!fs::exists(folder / "sys" / "all.dat")) continue;  // killed before the first save ended
        const std::string numbers = Read("all.dat");
        const std::string mark = numbers.find(" 2 \r\n 500 ") != std::string::npos ? "B" : "A";
        EXPECT_EQ(0u, Read("lstkan.dat").find(mark + "\r\n")) << "round " << round;
        EXPECT_EQ(0u, Read("lstitem.dat").find(mark + "\r\n")) << "round " << round;
        EXPECT_EQ(0u, Read("lstworld.dat").find(mark + "," + mark)) << "round " << round;
    }
}
#endif

}  // namespace
}  // namespace qm
