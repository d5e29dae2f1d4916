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
// face, a line and an item; the fairy endings award their picture; the
// opening changes the scene and chains to an event of its own.
class GameCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        Text("sys/system.dat", {".txt", ".png", "reserved", "1.0"});
        Text("txt/arub.txt", {"<html>", "<SYASIN>", "</html>"});
        for (const RuleEvent& event : EventsTheRulesStart()) {
            Text(TextFile(event.name), {"-ミナ＿笑", "やあ。", ">k>1"});
            if (!event.picture.empty()) Png("img/" + event.picture + ".png");
        }
        for (int fairy = 0; fairy < 8; ++fairy)
            Text(TextFile("end" + std::to_string(fairy)), {"-ミナ＿笑", "さようなら。", ">nex", ">rek"});
        Text(TextFile("opn"), {"-ミナ＿笑", ">img 森", "ようこそ。", ">img game", ">ive 続き"});
        Text(TextFile("続き"), {"-ミナ", "つづき。"});
        Text(TextFile("1113"), {"-ミナ＿泣", "かなしい。", ">k>2"});
        for (const char* file : {"img/dmy", "face/dmy"}) Bytes(file, "");
        for (const char* file : {"img/game.png", "img/par.png", "img/森.png", "face/ミナ＿笑.png", "face/ミナ＿泣.png"})
            Png(file);
    }

    static std::string TextFile(const std::string& name) { return "txt/" + name + ".txt"; }
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
        "events: 103, lines: 318\n"
        "items: 喜 0, 怒 92, 哀 1, 楽 0, 愛 0\n"
        "pictures found: scenes 3, memory pictures 64, faces 2\n"
        "problems: 0\n",
        out.str());
}

TEST_F(GameCheckTest, ReportsExactlyAMissingEventABadItemAndAMissingFace) {
    Remove(TextFile("345"));
    Text(TextFile("2221"), {"-ミナ＿笑", "やあ。", ">k>9"});
    Remove("face/ミナ＿泣.png");
    EXPECT_EQ((Lines{"txt/345.txt: missing group event", "txt/2221.txt:3: >k> without an emotion digit 0 to 4",
                     "txt/1113.txt:1: face face/ミナ＿泣.png is missing"}),
              Check().problems);
    std::ostringstream out;
    EXPECT_EQ(1, CheckAndPrint(temp.path(), out));
}

TEST_F(GameCheckTest, NamesEveryFaultWhereItIs) {
    Text(TextFile("opn"), {"-ミナ＿笑", ">img", "tugiの日", "読まれない。"});
    Text(TextFile("help"), {"説明。", ">ive 無い"});
    Text(TextFile("end"), {">nex 絵なし", ">ive"});
    Text(TextFile("012"), {"-ミナ＿笑", ">ive 0000"});  // leaves before its picture is awarded
    Text(TextFile("end3"), {"さようなら。", ">rek"});
    Bytes("face/ミナ＿笑.png", "not a picture");
    Text("txt/arub.txt", {"<html>", "</html>"});
    Bytes("txt/stt.txt", "title\r\nbad \x82\r\nunix\nunix\nno break at the end reads the same");
    EXPECT_EQ((Lines{
                  "txt/opn.txt:2: >img without a scene name",
                  "txt/opn.txt:3: ends the event, so the line after it is never read",
                  "txt/end.txt:2: >ive without an event name",
                  "txt/help.txt:2: >ive names a missing event: txt/無い.txt",
                  "txt/012.txt: never awards its memory picture 012",
                  "txt/end3.txt: never awards its memory picture end3",
                  "txt/end.txt:1: memory picture img/絵なし.png is missing",
                  "txt/opn.txt:1: face face/ミナ＿笑.png is not a PNG picture",
                  "txt/arub.txt: no marker line <SYASIN> where the album's pictures go",
                  "txt/stt.txt:2: bytes that are not CP932",
                  "txt/stt.txt:3: line ends in LF without CR (2 such lines in the file)",
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
