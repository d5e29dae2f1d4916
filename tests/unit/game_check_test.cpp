#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "check_game.h"
#include "core/cp932.h"
#include "core/text_files.h"
#include "event_rules.h"
#include "house_rules.h"
#include "temp_folder.h"

namespace qm::check {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(EventRules, NameEveryEventTheGameCanStart) {
    const std::vector<RuleEvent> events = EventsTheRulesStart();
    std::set<std::string> names;
    int pictures = 0;
    for (const RuleEvent& event : events) {
        names.insert(event.name);
        if (!event.picture.empty()) ++pictures;
    }
    EXPECT_EQ(3u + 56 + 35 + 8, names.size());
    EXPECT_EQ(names.size(), events.size());
    EXPECT_EQ(56 + 8, pictures);
    for (const char* name : {"opn", "help", "end", "012", "567", "0000", "6664", "end0", "end7"})
        EXPECT_TRUE(names.contains(name)) << name;
    for (const char* name : {"021", "7770", "0005"}) EXPECT_FALSE(names.contains(name)) << name;
}

// A small game folder that passes: every event the rules start holds a
// face, a line and an item, in as many lines as the house rules want; the
// fairy endings award their picture; the opening changes the scene, puts it
// back and chains to an event of its own.
class GameCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        Text("sys/system.dat", {".txt", ".png", "reserved", "1.0"});
        Text("txt/arub.txt", {"<html>", "<SYASIN>", "</html>"});
        for (const RuleEvent& event : EventsTheRulesStart()) {
            if (event.kind == EventKind::LastDay)
                Text(TextFile(event.name), {"最後の日。", "", ">ing"});
            else
                Text(TextFile(event.name), Scene(LeastLines(event.kind), {">k>1"}));
            if (!event.picture.empty()) Png("img/" + event.picture + ".png");
        }
        for (int fairy = 0; fairy < 8; ++fairy)
            Text(TextFile("end" + std::to_string(fairy)), Scene(LeastLines(EventKind::FairyEnding), {">nex", ">rek"}));
        Text(TextFile("opn"), {"-ミナ＿笑", ">img 森", "ようこそ。", ">img game", ">ive 続き"});
        Text(TextFile("続き"), {"-ミナ", "つづき。"});
        Text(TextFile("1113"), Scene(LeastLines(EventKind::Solo), {">k>2"}, "-ミナ＿泣"));
        for (const char* file : {"img/dmy", "face/dmy"}) Bytes(file, "");
        for (const char* file : {"img/game.png", "img/par.png", "img/森.png", "face/ミナ＿笑.png", "face/ミナ＿泣.png"})
            Png(file);
    }

    static std::string TextFile(const std::string& name) { return "txt/" + name + ".txt"; }
    static int LeastLines(EventKind kind) {
        const auto range = LineRangeOf(kind);
        return range ? range->least : 3;
    }
    // An event of `count` lines that keeps the house rules: the speaker,
    // pages of one line each, then the closing lines.
    static Lines Scene(int count, const Lines& closing, const std::string& speaker = "-ミナ＿笑") {
        Lines lines = {speaker, "やあ。"};
        const std::size_t body = count - closing.size();
        while (lines.size() + 2 <= body) lines.insert(lines.end(), {"", "うん。"});
        if (lines.size() < body) lines.push_back("そう。");
        lines.insert(lines.end(), closing.begin(), closing.end());
        return lines;
    }
    void Bytes(const std::string& file, const std::string& bytes) const {
        const fs::path path = temp.path() / PathOf(file);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void Text(const std::string& file, const Lines& lines) const {
        std::string bytes, line;
        for (const std::string& text : lines) {
            Utf8ToCp932(text, line);
            bytes += line + "\r\n";
        }
        Bytes(file, bytes);
    }
    void Png(const std::string& file) const {
        Bytes(file, std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x20\0\0\0\x18", 24));
    }
    void Remove(const std::string& file) const { fs::remove(temp.path() / PathOf(file)); }
    Report Check() const { return CheckGame(temp.path()); }

    testing::TempFolder temp;
};

TEST_F(GameCheckTest, AGoodFolderPassesWithItsSummary) {
    std::ostringstream out;
    EXPECT_EQ(0, CheckAndPrint(temp.path(), out));
    EXPECT_EQ(
        "events: 103, lines: 2768\n"
        "items: 喜 0, 怒 91, 哀 1, 楽 0, 愛 0\n"
        "pictures found: scenes 3, memory pictures 64, faces 2\n"
        "problems: 0\n",
        out.str());
}

TEST_F(GameCheckTest, ReportsExactlyAMissingEventABadItemAndAMissingFace) {
    Remove(TextFile("345"));
    Text(TextFile("2221"), Scene(LeastLines(EventKind::Solo), {">k>9"}));
    Remove("face/ミナ＿泣.png");
    EXPECT_EQ((Lines{"txt/345.txt: missing group event", "txt/2221.txt:25: >k> without an emotion digit 0 to 4",
                     "txt/1113.txt:1: face face/ミナ＿泣.png is missing"}),
              Check().problems);
    std::ostringstream out;
    EXPECT_EQ(1, CheckAndPrint(temp.path(), out));
}

TEST_F(GameCheckTest, NamesEveryFaultWhereItIs) {
    Text(TextFile("opn"), {"-ミナ＿笑", ">img", ">img game", "tugiの日", "読まれない。"});
    Text(TextFile("help"), {"説明。", ">ive 無い"});
    Text(TextFile("end"), {"最後。", ">nex 絵なし", ">ive"});
    Text(TextFile("012"), Scene(LeastLines(EventKind::Group), {">k>1", ">ive 0000"}));  // leaves before its picture
    Text(TextFile("end3"), Scene(LeastLines(EventKind::FairyEnding), {"", ">rek"}));
    Bytes("face/ミナ＿笑.png", "not a picture");
    Text("txt/arub.txt", {"<html>", "</html>"});
    Bytes("txt/stt.txt", "title\r\nbad \x82\r\nunix\nunix\nno break at the end reads the same");
    EXPECT_EQ((Lines{
                  "txt/opn.txt:2: >img without a scene name",
                  "txt/opn.txt:4: ends the event, so the line after it is never read",
                  "txt/end.txt:3: >ive without an event name",
                  "txt/end3.txt:60: a fairy ending ends with the two lines >nex and >rek",
                  "txt/help.txt:2: >ive names a missing event: txt/無い.txt",
                  "txt/012.txt: never awards its memory picture 012",
                  "txt/end3.txt: never awards its memory picture end3",
                  "txt/end.txt:2: memory picture img/絵なし.png is missing",
                  "txt/opn.txt:1: face face/ミナ＿笑.png is not a PNG picture",
                  "txt/arub.txt: no marker line <SYASIN> where the album's pictures go",
                  "txt/stt.txt:2: bytes that are not CP932",
                  "txt/stt.txt:3: line ends in LF without CR (2 such lines in the file)",
              }),
              Check().problems);
}

// The house rules of the writers' guide, each broken once.
TEST_F(GameCheckTest, NamesEveryLineThatBreaksTheGuidesTextRules) {
    Text(TextFile("help"), {"-ミナ＿笑", "あいうえおかきくけこさしすせそたちつてとなにぬねの", "いいえ！ 違う。",
                            "噂だよ。", "さびしく、寂しい。", "一。", "二。", "三。", "-ミナ＿泣", "四。"});
    Text(TextFile("end"), {"最後。", ">ing"});
    EXPECT_EQ((Lines{
                  "txt/help.txt:2: a text line of 25 characters; the guide allows 24",
                  "txt/help.txt:3: a half-width space after full-width punctuation; write the full-width space",
                  "txt/help.txt:4: 噂: the guide writes うわさ",
                  "txt/help.txt:5: さびし: the guide writes さみし",
                  "txt/help.txt:5: 寂し: the guide writes さみし",
                  "txt/help.txt:8: a page of more than 6 text lines; end it with an empty line",
                  "txt/help.txt:9: replaces the page before it at once; put an empty line before it",
                  "txt/end.txt:2: replaces the page before it at once; put an empty line before it",
              }),
              Check().problems);
}

TEST_F(GameCheckTest, NamesEveryEventThatBreaksTheGuidesShapeForItsKind) {
    Text(TextFile("opn"), {">img 森", "-ミナ＿笑", "ようこそ。", ">img game"});
    Text(TextFile("end"), {"-ミナ＿笑", "最後。", "", ">ing"});
    Text(TextFile("012"), Scene(LeastLines(EventKind::Group) - 1, {">k>1"}));
    Text(TextFile("0000"), Scene(LineRangeOf(EventKind::Solo)->most + 1, {">k>1"}));
    Text(TextFile("0001"), Scene(LeastLines(EventKind::Solo), {"おわり。"}));
    Text(TextFile("0002"), Scene(LeastLines(EventKind::Solo), {">k>1", ">img 森"}));
    Text(TextFile("end5"), Scene(LeastLines(EventKind::FairyEnding), {">nex", "おわり。", ">rek"}));
    Text(TextFile("end6"), Scene(LineRangeOf(EventKind::FairyEnding)->most + 1, {">nex", ">rek"}));
    EXPECT_EQ((Lines{
                  "txt/opn.txt:1: an event begins with a speaker or a text line",
                  "txt/end.txt:1: the ending event must begin with a text line: the game runs its first line "
                  "behind the title screen at start-up",
                  "txt/012.txt: 24 lines; the guide wants a group event of 25 to 70",
                  "txt/0000.txt: 61 lines; the guide wants a solo event of 25 to 60",
                  "txt/0001.txt: a meeting that awards no emotion item",
                  "txt/0002.txt:25: the last scene the event shows; put >img game back at its end",
                  "txt/end5.txt:60: a fairy ending ends with the two lines >nex and >rek",
                  "txt/end6.txt: 111 lines; the guide wants a fairy ending of 60 to 110",
              }),
              Check().problems);
}

TEST_F(GameCheckTest, WithoutItsMarkerFilesAFolderNeedsNoPictures) {
    fs::remove_all(temp.path() / "img");
    fs::remove_all(temp.path() / "face");
    const Report report = Check();
    EXPECT_EQ(Lines{}, report.problems);
    EXPECT_EQ(std::nullopt, report.tally->scenes);
    EXPECT_EQ(std::nullopt, report.tally->faces);
}

TEST_F(GameCheckTest, AFolderTheGameCannotStartStopsTheCheck) {
    Text("sys/system.dat", {".txt", ".png", "reserved"});
    Remove(TextFile("opn"));
    const Report report = Check();
    EXPECT_EQ(
        Lines{"sys/system.dat: 3 lines; the game needs 4 (text suffix, picture suffix, a reserved line, version)"},
        report.problems);
    EXPECT_EQ(std::nullopt, report.tally);
}

}  // namespace
}  // namespace qm::check
