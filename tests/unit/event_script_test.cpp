// The event runner on real files: the ending course, the report of a
// missing event, and files the language does not foresee.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/cp932.h"
#include "core/lifecycle.h"
#include "fake_game.h"
#include "script/ending.h"
#include "script/event_start.h"
#include "script/missing_event_report.h"
#include "script/script_lines.h"
#include "script/speech.h"
#include "temp_folder.h"
#include "ui/events.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

TEST(ScriptLines, PausesTimerStopsAndArguments) {
    for (const char* line : {"", ">game", ">end", ">end0", ">rek", ">ive x", "tugi"}) EXPECT_TRUE(IsPauseLine(line));
    for (const char* line : {">gam", ">en", "-ミナ", ">k>0", ">img x", " tugi", "text"})
        EXPECT_FALSE(IsPauseLine(line)) << line;
    // The timer passes a "▼" before a chain, not before the other pauses.
    EXPECT_FALSE(TimerWaitsOn(">ive x"));
    EXPECT_TRUE(TimerWaitsOn(""));
    EXPECT_TRUE(TimerWaitsOn(">game"));
    EXPECT_EQ(LineKind::Text, KindOf(">game"));
    EXPECT_EQ(LineKind::EmptyLine, KindOf(""));
    EXPECT_EQ(LineKind::Speaker, KindOf("-tugi"));
    EXPECT_EQ(LineKind::EndOfScript, KindOf("tugi more"));
    EXPECT_EQ(4, EmotionOf(">k>4 love"));
    EXPECT_EQ(-1, EmotionOf(">k>5"));
    EXPECT_EQ(-1, EmotionOf(">k>"));
    EXPECT_EQ("012", ArgumentOf(">nex 012"));
    EXPECT_EQ("夜", ArgumentOf(">img　夜"));  // a full-width space separates too
    EXPECT_EQ(" two", ArgumentOf(">ive  two"));
    EXPECT_EQ("", ArgumentOf(">nex "));
    EXPECT_EQ("", ArgumentOf(">nex"));
    EXPECT_EQ("", PictureNameOf(">nex "));  // names no picture: the event's own is dropped
    EXPECT_EQ(std::nullopt, PictureNameOf(">nex"));
    EXPECT_EQ("ミナ＿笑", FaceOf("-ミナ＿笑"));
    EXPECT_EQ(std::nullopt, FaceOf("-ミナ"));
}

TEST(Ending, TheBestLovedFairyWinsTiesWithTheHigherIndex) {
    EXPECT_EQ(7, BestLovedFairy({}));
    EXPECT_EQ(5, BestLovedFairy({0, 0, 12, 0, 0, 12, 3, 0}));
    EXPECT_EQ(0, BestLovedFairy({9, 3, -1, 0, 0, 0, 0, 8}));
}

TEST(MissingEventReport, ListsEachChannelAcrossTheSlots) {
    GameState s;
    s.Affection = {1, -2, 0, 0, 0, 0, 0, 12};
    s.SoloCount = {0, 3, 0, 0, 0, 0, 0, 0};
    s.SlotColour = {{{10, 11, 12}, {20, 21, 22}, {30, 31, 32}}};
    s.MetFairy = {2, 7, -1};
    s.EventPicture = "135";
    EXPECT_EQ(
        "xと言うファイルが見あたりません。\r\nシステムがバグっている可能性があります。\r\nステータスは以下の通りです\r"
        "\n"
        "1/0\r\n-2/3\r\n0/0\r\n0/0\r\n0/0\r\n0/0\r\n0/0\r\n12/0\r\n---------\r\n"
        "10/20/30/\r\n11/21/31/\r\n12/22/32/\r\n---------\r\n2\r\n7\r\n-1\r\n--------\r\n135\r\n--------\r\n\r\n"
        "できるなら、画面をプリントスクリーンするか、\r\nこの内容をそのままメールにして、\r\n"
        "制作者に送付して下さい。お礼に宝物CD_ROMを送付させていただきます。（先着１名様）\r\n"
        "オッケィを押すと、終了します。",
        MissingEventReport(s, "x"));
}

class EventScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder / "txt");
        fs::create_directories(folder / "sys");
        game.state.TxtFolder = (folder / "txt").string() + "/";
        game.state.SysFolder = (folder / "sys").string() + "/";
        game.state.TextExt = ".txt";
        game.state.EmotionName = {"喜", "怒", "哀", "楽", "愛"};
        game.state.PicturesPresent = true;
    }

    // An event file as the game ships it: CP932 with CR LF.
    void Event(const std::string& name, const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) {
            std::string cp932;
            Utf8ToCp932(line, cp932);
            bytes += cp932 + "\r\n";
        }
        RawEvent(name, bytes);
    }
    void RawEvent(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / "txt" / (name + ".txt"), std::ios::binary) << bytes;
    }
    void Picture(const std::string& name) {
        fake.pictures.sizes[game.state.ImgFolder + name + game.state.PictureExt] = {64, 48};
    }

    void ClickText() { Click(game, game.form.Lbl); }
    void TickText(int count = 1) {
        for (int i = 0; i < count; ++i) Tick(game, game.form.TimSay);
    }
    // The window as the state draws it.
    const Form& Screen() {
        game.Project();
        return game.form;
    }
    std::string Text() { return Screen().Lbl.caption; }

    testing::TempFolder temp;
    const fs::path& folder = temp.path();
    testing::FakeGame fake{folder.string()};
    Game& game = fake.game;
};

TEST_F(EventScriptTest, ReachingThePointLimitHidesThePanelsAndRunsTheEnding) {
    Event("end", {"最後の日。", "その次。"});
    game.state.PointLimit = 300;
    game.state.PointsUsed = 290;
    EXPECT_FALSE(SpendPoints(game, 5));
    EXPECT_FALSE(Screen().Lbl.visible);
    game.state.Shown.Commands = game.state.Shown.Dish = true;
    EXPECT_TRUE(SpendPoints(game, 10));
    EXPECT_EQ("305", Screen().LblPC.caption);
    EXPECT_FALSE(Screen().GrpCom.visible);
    EXPECT_FALSE(Screen().GrpKan.visible);
    EXPECT_EQ("\r\n最後の日。", Text());
    TickText();
    EXPECT_EQ("\r\n最後の日。\r\nその次。▼", Text());
    // Past the limit every call begins the ending again, even at no cost.
    EXPECT_TRUE(SpendPoints(game, 0));
    EXPECT_EQ("\r\n最後の日。", Text());
}

// Points a save may hold at the top of their range still add up without
// wrapping round, so the limit is reached and the ending begins.
TEST_F(EventScriptTest, PointsAtTheTopOfTheirRangeStillReachTheLimit) {
    Event("end", {"最後の日。"});
    game.state.PointLimit = 32767;
    game.state.PointsUsed = 32765;
    EXPECT_TRUE(SpendPoints(game, 10));
    EXPECT_EQ("32775", Screen().LblPC.caption);
    EXPECT_EQ("\r\n最後の日。▼", Text());
}

TEST_F(EventScriptTest, WithoutAFairyInLoveTheEndingGoesStraightToTheChronicle) {
    Event("end", {"最後の日。", ">ing", "後の行"});
    Picture("par");
    game.state.Affection = {9, 9, 9, 9, 9, 9, 9, 9};
    StartEvent(game, "end");
    ClickText();
    EXPECT_FALSE(game.files.IsOpen(game.state.FileNumber));
    EXPECT_FALSE(Screen().Lbl.visible);
    EXPECT_TRUE(Screen().TxtEnd.visible);
    EXPECT_TRUE(Screen().ComEnd.visible);
    EXPECT_TRUE(Screen().TxtEnd.caption.starts_with("その星には、何もなかった。"));
    // The finished event is never stepped again.
    TickText(3);
    ClickText();
    EXPECT_EQ("", Text());
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(EventScriptTest, TheBestLovedFairysEndingAwardsItsPictureAndLeadsBackToTheTitle) {
    Event("end", {">ing"});
    Event("end5", {"ドーゥーの結末。", ">nex", ">rek"});
    Picture("end5");
    game.state.Affection = {0, 0, 12, 0, 0, 12, 0, 0};
    StartEvent(game, "end");
    EXPECT_EQ("end5", game.state.EventPicture);
    EXPECT_EQ("\r\nドーゥーの結末。", Text());
    TickText();
    EXPECT_EQ(std::vector<std::string>{"end5"}, game.state.PictureRegister);
    ClickText();
    EXPECT_FALSE(game.files.IsOpen(game.state.FileNumber));
    EXPECT_TRUE(Screen().TxtEnd.visible);

    Event("end", {"おわり"});
    Click(game, game.form.ComEnd);
    EXPECT_TRUE(Screen().PicStt.visible);
    EXPECT_EQ(std::vector<std::string>{"end5"}, game.state.PictureRegister);
}

TEST_F(EventScriptTest, ANewEventReplacesOneWaitingForAClick) {
    Event("a", {"一", ""});
    Event("b", {"二", "三"});
    StartEvent(game, "a");
    EXPECT_EQ("\r\n一▼", Text());
    StartEvent(game, "b");
    EXPECT_EQ("\r\n二", Text());
    TickText(2);
    EXPECT_EQ("\r\n二\r\n三▼", Text());
    ClickText();
    EXPECT_FALSE(Screen().Lbl.visible);
}

// The history keeps the last 500 pages, each once, and drops the oldest.
TEST_F(EventScriptTest, TheHistoryKeepsTheLast500PagesEachOnce) {
    std::vector<std::string> lines;
    for (int page = 1; page <= 600; ++page) lines.insert(lines.end(), {std::to_string(page), ""});
    Event("long", lines);
    StartEvent(game, "long");
    EXPECT_TRUE(SpeechWaits(game));
    for (int page = 2; page <= 600; ++page) ClickText();
    const auto& history = SpeechHistory(game);
    ASSERT_EQ(kHistoryPages, history.size());
    EXPECT_EQ(std::vector<std::string>{"101"}, history.front().lines);
    EXPECT_EQ(std::vector<std::string>{"600"}, history.back().lines);
    ClickText();  // past the last page: the event ends
    EXPECT_FALSE(SpeechWaits(game));
    EXPECT_FALSE(Screen().Lbl.visible);
    EXPECT_EQ(kHistoryPages, history.size());
}

// Undecodable bytes, a line of a megabyte and no final line break: the
// event still runs to its end.
TEST_F(EventScriptTest, FilesOutsideTheLanguageDoNotStopTheGame) {
    const std::string longLine(1 << 20, 'a');
    RawEvent("odd", "\x81\x20\x82\r\n" + longLine + "\r\n>k>9\r\nlast");
    StartEvent(game, "odd");
    EXPECT_TRUE(Text().starts_with("\r\n" + Cp932ToUtf8("\x81") + " " + Cp932ToUtf8("\x82")));
    TickText();
    EXPECT_TRUE(Text().ends_with("\r\n" + longLine));
    TickText();
    EXPECT_TRUE(Text().ends_with("last▼"));
    EXPECT_TRUE(game.state.Items.empty());
    ClickText();
    EXPECT_FALSE(Screen().Lbl.visible);
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

}  // namespace
}  // namespace qm
