// Bad input, one named case a row: every data file missing, empty,
// truncated, with a BOM, with LF only, with NUL bytes, with bytes that are
// not CP932 and with a 1 MB line; numbers out of range, short world lines,
// events that loop, names that try to leave their folder, a read-only
// folder, a full disk and a program killed while it writes. Each row says
// what the player is told, the state the game is left in, and whether
// anything saved or collected was lost, which must never happen.
//
// The table in DEVELOPERS.md is this test's output: the test fails when
// they differ, and QUILLMERE_WRITE_TABLE=1 writes the new table there.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "core/cp932.h"
#include "core/text_files.h"
#include "failing_disk.h"
#include "fake_game.h"
#include "fake_ports.h"
#include "game/events.h"
#include "game/lifecycle.h"
#include "game/save_slot.h"
#include "pictures/album.h"
#include "script/event_start.h"
#include "temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTableStart = "<!-- The bad-input table: written by tests/unit/bad_input_test.cpp -->";
constexpr const char* kTableEnd = "<!-- End of the bad-input table -->";
constexpr std::size_t kMessageWidth = 110;  // characters of the messages shown in the table

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// The lines of a file as the game reads them.
std::vector<std::string> RawLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// What a save holds, as a load shows it.
struct SaveView {
    int points = 0;
    std::vector<std::string> items, dish, world;
    bool operator==(const SaveView&) const = default;
};

SaveView ViewOf(const Game& game) {
    return {game.state.PointsUsed, game.form.LstKan.Rows(), game.form.LstItem.Rows(), game.form.LstWorldItem[1].Rows()};
}

// One run of the program after another on a copy of the game folder
// tests/games/inputs, with a disk that fails where a case says.
class Trial {
public:
    Trial() { fs::copy(fs::path(GAMES_DIR) / "inputs", folder_, fs::copy_options::recursive); }

    fs::path Path(const std::string& file) const { return folder_ / PathOf(file); }
    testing::FailingDisk disk;

    // A new run of the program: start-up and the first activation.
    Game& Start() {
        game_.reset();  // the program before ends without a word, as if killed
        game_ = std::make_unique<Game>(Ports{dialogs_, pictures_, audio_, screen_, clock_}, Utf8Of(folder_));
        game_->files.UseFileSystem(disk);
        Form_Load(*game_);
        if (!game_->exitCode) Form_Activate(*game_);
        return *game_;
    }
    Game& Running() { return *game_; }

    // A new run that loads the save, on a disk that works.
    std::optional<SaveView> SaveOnDisk() {
        testing::RecordingDialogs quiet;
        Game game(Ports{quiet, pictures_, audio_, screen_, clock_}, Utf8Of(folder_));
        Form_Load(game);
        LoadGame(game);
        return quiet.messages.back() == "Load　OK" ? std::optional(ViewOf(game)) : std::nullopt;
    }

    std::vector<std::string> RegisterOnDisk() const { return RawLines(ReadAll(Path("sys/lstphoto.dat"))); }
    std::string SaveBytes() const {
        std::string bytes;
        for (const char* name : {"all.dat", "lstkan.dat", "lstitem.dat", "lstworld.dat"})
            bytes += ReadAll(Path(std::string("sys/") + name)) + '\0';
        return bytes;
    }

    // Every message box so far, as one table cell.
    std::string Messages() const {
        std::string text;
        for (const std::string& message : dialogs_.messages) text += (text.empty() ? "" : " / ") + message;
        for (const auto& [from, to] : {std::pair<std::string, std::string>{Utf8Of(folder_) + "/", "$GAME/"},
                                       {"\r\n", " "},
                                       {"\t", " "},
                                       {std::string(1, '\0'), "\\0"},
                                       {"|", "\\|"},
                                       {"`", "'"}})
            for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
                text.replace(at, from.size(), to);
        return text.empty() ? "(none)" : "`" + Shortened(Unmarked(text)) + "`";
    }

private:
    // Bytes that are not CP932, which the game keeps as stand-ins, as \xNN.
    static std::string Unmarked(const std::string& text) {
        std::string out;
        for (std::size_t at = 0; at < text.size(); ++at) {
            std::string bytes;
            Utf8ToCp932(text.substr(at, 3), bytes);
            const bool standIn = bytes.size() == 1 && static_cast<unsigned char>(text[at]) == 0xEF &&
                                 static_cast<unsigned char>(bytes[0]) >= 0x80;
            if (!standIn) {
                out += text[at];
                continue;
            }
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(bytes[0]));
            out += escaped;
            at += 2;
        }
        return out;
    }

    // At most kMessageWidth characters, cut between two characters.
    static std::string Shortened(const std::string& text) {
        std::size_t at = 0;
        for (std::size_t characters = 0; at < text.size() && characters < kMessageWidth; ++characters)
            for (++at; at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;) ++at;
        return at < text.size() ? text.substr(0, at) + "…" : text;
    }

    testing::TempFolder temp_;
    fs::path folder_ = temp_.path() / "game";
    testing::RecordingDialogs dialogs_;
    headless::HeaderPictures pictures_;
    testing::NoAudio audio_;
    testing::TestScreen screen_;
    testing::FixedClock clock_;
    std::unique_ptr<Game> game_;
};

struct Outcome {
    std::string state;
    bool nothingLost = true;
};

using Action = std::function<Outcome(Trial&)>;

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string TitleOrPlaying(const Game& game) {
    if (game.exitCode) return "the program ends (status " + std::to_string(*game.exitCode) + ")";
    if (game.form.PicStt.visible) return "title screen";
    const SaveView view = ViewOf(game);
    return "playing: " + std::to_string(view.points) + "/" + std::to_string(game.state.PointLimit) + " points, " +
           Count(view.items.size(), "item", "items") + ", " + std::to_string(view.dish.size()) + " in the dish, " +
           Count(view.world.size(), "world part", "world parts");
}

// The program starts: nothing on the disk may change.
Outcome StartUp(Trial& t) {
    const std::string save = t.SaveBytes();
    const auto register_ = t.RegisterOnDisk();
    Game& game = t.Start();
    std::string state = TitleOrPlaying(game);
    if (!game.exitCode)
        state += ", " + Count(game.form.LstIvent.Rows().size(), "picture", "pictures") + " in the register";
    return {state, t.SaveBytes() == save && t.RegisterOnDisk() == register_};
}

// The program starts and is closed: the register comes back entry by entry.
Outcome StartAndClose(Trial& t) {
    const auto register_ = t.RegisterOnDisk();
    Form_Unload(t.Start());
    const auto after = t.RegisterOnDisk();
    return {"closed; the register on the disk holds " + Count(after.size(), "entry", "entries"), after == register_};
}

// "Load" on the title screen: a refused load changes nothing, in the game
// or on the disk; a load that went through shows what the disk holds.
Outcome LoadFromTitle(Trial& t) {
    const std::string save = t.SaveBytes();
    Game& game = t.Start();
    const SaveView before = ViewOf(game);
    Click(game, game.form.ComLoad);
    const std::string state = TitleOrPlaying(game);
    if (game.form.PicStt.visible) return {state, t.SaveBytes() == save && ViewOf(game) == before};
    return {state, t.SaveOnDisk() == ViewOf(game)};
}

// The saved game is loaded, a hint bought (10 points) and the game saved:
// the next load finds the new save or the old one, whole.
Outcome SaveInPlay(Trial& t) {
    const std::optional<SaveView> old = t.SaveOnDisk();
    Game& game = t.Start();
    Click(game, game.form.ComLoad);
    Click(game, game.form.Com[3]);
    const SaveView made = ViewOf(game);
    try {
        Click(game, game.form.menu_salo[0]);
    } catch (const testing::ProgramStopped&) {
    }
    const std::optional<SaveView> found = t.SaveOnDisk();
    const std::string which = !found           ? "no save"
                              : *found == made ? "the new save"
                              : *found == old  ? "the old save"
                                               : "a mix";
    return {"the next load finds " + which, found == made || found == old};
}

bool KeepsAll(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    return after.size() >= before.size() && std::equal(before.begin(), before.end(), after.begin());
}

// Start, then the opening event (which gives an item and the picture 135)
// played to its end with ticks and clicks.
void PlayOpening(Game& game) {
    Click(game, game.form.ComStt);
    for (int step = 0; step < 200 && game.files.IsOpen(game.state.FileNumber); ++step)
        game.form.TimSay.enabled ? Tick(game, game.form.TimSay) : Click(game, game.form.Lbl);
}

Outcome Opening(Trial& t) {
    const std::string save = t.SaveBytes();
    const auto register_ = t.RegisterOnDisk();
    Game& game = t.Start();
    PlayOpening(game);
    const std::string scene = game.form.Pic.picture.empty() ? "none" : game.form.Pic.picture;
    return {TitleOrPlaying(game) + "; scene " + scene + ", " +
                Count(game.form.LstIvent.Rows().size(), "picture", "pictures"),
            t.SaveBytes() == save && KeepsAll(register_, t.RegisterOnDisk())};
}

// The program is killed right after the opening gave a new picture.
Outcome KilledAfterOpening(Trial& t) {
    PlayOpening(t.Start());
    const auto registered = t.Running().form.LstIvent.Rows();
    const auto found = t.Start().form.LstIvent.Rows();
    return {"the next start finds " + Count(found.size(), "picture", "pictures"), found == registered};
}

// The album button: a left click makes the full album, a right click with
// the first register entry chosen the album of that picture. Nothing the
// game keeps is touched.
Action Album(int button) {
    return [button](Trial& t) {
        const std::string save = t.SaveBytes();
        const auto register_ = t.RegisterOnDisk();
        Game& game = t.Start();
        SelectRow(game, game.form.LstIvent, 0);
        MouseUp(game, game.form.ComIvent, button);
        std::string state = "no album";
        for (const auto& entry : fs::directory_iterator(t.Path(""))) {
            if (entry.path().extension() != ".html") continue;
            const std::string page = ReadAll(entry.path());
            std::size_t pictures = 0;
            for (std::size_t at = 0; (at = page.find("<hr><img", at)) != std::string::npos; ++at) ++pictures;
            state = "an album with " + Count(pictures, "picture", "pictures");
        }
        return Outcome{state, t.SaveBytes() == save && t.RegisterOnDisk() == register_};
    };
}

// The same action on a disk that fails as the case says.
Action OnDisk(std::function<void(testing::FailingDisk&)> spoil, Action action) {
    return [spoil, action](Trial& t) {
        spoil(t.disk);
        return action(t);
    };
}

void ReadOnly(testing::FailingDisk& disk) {
    disk.fails = [](testing::DiskStep, const std::string&) { return true; };
}
void Full(testing::FailingDisk& disk) {
    disk.fails = [](testing::DiskStep step, const std::string&) { return step == testing::DiskStep::Write; };
}
std::function<void(testing::FailingDisk&)> StopsAt(testing::DiskStep step, const char* name) {
    return [step, name](testing::FailingDisk& disk) { disk.stopsAt = testing::FailsOn(step, name); };
}

// A data file with every line changed, each ending in CR LF (or `end`).
std::string EachLine(const std::string& bytes, const std::function<std::string(const std::string&)>& change,
                     const char* end = "\r\n") {
    std::string out;
    for (const std::string& line : RawLines(bytes)) out += change(line) + end;
    return out;
}

// The ways a data file goes bad; nothing for a file that is gone.
struct Defect {
    const char* name;
    std::function<std::optional<std::string>(const std::string&)> apply;
};

const std::vector<Defect>& Defects() {
    static const std::vector<Defect> defects = {
        {"missing", [](const std::string&) { return std::nullopt; }},
        {"empty", [](const std::string&) { return std::string(); }},
        {"truncated", [](const std::string& b) { return b.substr(0, b.size() / 2); }},
        {"with a BOM", [](const std::string& b) { return "\xEF\xBB\xBF" + b; }},
        {"with LF only",
         [](const std::string& b) {
             return EachLine(
                 b, [](const std::string& l) { return l; }, "\n");
         }},
        {"with NUL bytes",
         [](const std::string& b) {
             return EachLine(b, [](const std::string& l) {
                 return l.substr(0, 1) + '\0' + l.substr(std::min<std::size_t>(1, l.size()));
             });
         }},
        {"with bytes that are not CP932",
         [](const std::string& b) { return EachLine(b, [](const std::string& l) { return l + "\x80"; }); }},
        {"with a 1 MB line", [](const std::string& b) { return std::string(1 << 20, 'x') + "\r\n" + b; }},
    };
    return defects;
}

struct Case {
    std::string name;
    std::function<void(Trial&)> spoil;
    Action action;
};

std::function<void(Trial&)> Replace(const char* file, std::string bytes) {
    return [file, bytes](Trial& t) { WriteAll(t.Path(file), bytes); };
}

std::function<void(Trial&)> ChangeLine(const char* file, std::size_t number, std::string line) {
    return [file, number, line](Trial& t) {
        std::vector<std::string> lines = RawLines(ReadAll(t.Path(file)));
        lines.at(number - 1) = line;
        std::string bytes;
        for (const std::string& l : lines) bytes += l + "\r\n";
        WriteAll(t.Path(file), bytes);
    };
}

void Untouched(Trial&) {}

// A save that stopped after its commit file: one new file waits to move in.
void CutShort(Trial& t) {
    WriteAll(t.Path("sys/lstkan.dat.new"), "3 \x8a\x79\r\n");  // "3 楽"
    WriteAll(t.Path("sys/save.commit"), "all.dat\r\nlstkan.dat\r\nlstitem.dat\r\nlstworld.dat\r\n");
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    const std::pair<const char*, Action> files[] = {
        {"sys/system.dat", StartUp},        {"txt/stt.txt", StartUp},
        {"txt/end.txt", StartUp},           {"sys/lstphoto.dat", StartAndClose},
        {"sys/all.dat", LoadFromTitle},     {"sys/lstkan.dat", LoadFromTitle},
        {"sys/lstitem.dat", LoadFromTitle}, {"sys/lstworld.dat", LoadFromTitle},
        {"txt/opn.txt", Opening},           {"img/game.png", Opening},
        {"face/ミナ＿笑.png", Opening},     {"txt/arub.txt", Album(1)},
        {"txt/012.txt", Album(2)},
    };
    for (const auto& [file, action] : files) {
        for (const Defect& defect : Defects()) {
            const std::string path = file;
            const auto apply = defect.apply;
            cases.push_back({"`" + path + "` " + defect.name,
                             [path, apply](Trial& t) {
                                 if (const auto bytes = apply(ReadAll(t.Path(path))))
                                     WriteAll(t.Path(path), *bytes);
                                 else
                                     fs::remove(t.Path(path));
                             },
                             action});
        }
    }
    using testing::DiskStep;
    const std::vector<Case> more = {
        {"`sys/all.dat` with points used 99999", ChangeLine("sys/all.dat", 9, " 99999 "), LoadFromTitle},
        {"`sys/all.dat` with the selected slot 4", ChangeLine("sys/all.dat", 20, " 4 "), LoadFromTitle},
        {"`sys/all.dat` of 20 lines (an older save)", ChangeLine("sys/all.dat", 21, ""), LoadFromTitle},
        {"`sys/lstworld.dat` with a line of two fields", Replace("sys/lstworld.dat", "a,b\r\n"), LoadFromTitle},
        {"`txt/opn.txt` that starts itself", Replace("txt/opn.txt", ">ive opn\r\n"), Opening},
        {"`txt/opn.txt` that starts `../txt/012`", Replace("txt/opn.txt", ">ive ../txt/012\r\n"), Opening},
        {"event text with `<script>`: picture album",
         Replace("txt/012.txt", "-<i>\x83\x7e\x83\x69</i>\r\n<script>alert(1)</script> & co\r\n"), Album(2)},
        {"register name with `../`: full album", Replace("sys/lstphoto.dat", "../img/012\r\n012\r\n"), Album(1)},
        {"register name with `<`: full album", Replace("sys/lstphoto.dat", "<b>012\r\n012\r\n"), Album(1)},
        {"register name with `\"`: full album", Replace("sys/lstphoto.dat", "\"012\"\r\n012\r\n"), Album(1)},
        {"register name with `../`: its picture album", Replace("sys/lstphoto.dat", "../txt/012\r\n"), Album(2)},
        {"register name with `<`: its picture album", Replace("sys/lstphoto.dat", "<b>\r\n"), Album(2)},
        {"a save cut short after its commit file: load", CutShort, LoadFromTitle},
        {"a save cut short after its commit file, in a read-only folder: load", CutShort,
         OnDisk(ReadOnly, LoadFromTitle)},
        {"read-only folder: save", Untouched, OnDisk(ReadOnly, SaveInPlay)},
        {"read-only folder: shut-down", Untouched, OnDisk(ReadOnly, StartAndClose)},
        {"read-only folder: a new picture", Untouched, OnDisk(ReadOnly, Opening)},
        {"read-only folder: album", Untouched, OnDisk(ReadOnly, Album(1))},
        {"full disk: save", Untouched, OnDisk(Full, SaveInPlay)},
        {"full disk: a new picture", Untouched, OnDisk(Full, Opening)},
        {"full disk: album", Untouched, OnDisk(Full, Album(1))},
        {"`sys/lstitem.dat` held by another program: save", Untouched,
         OnDisk([](testing::FailingDisk& d) { d.fails = testing::FailsOn(DiskStep::Rename, "lstitem.dat"); },
                SaveInPlay)},
        {"killed during a save, before the commit file", Untouched,
         OnDisk(StopsAt(DiskStep::Write, "save.commit"), SaveInPlay)},
        {"killed during a save, right after the commit file", Untouched,
         OnDisk(StopsAt(DiskStep::Rename, "all.dat"), SaveInPlay)},
        {"killed during a save, half-way through the moves", Untouched,
         OnDisk(StopsAt(DiskStep::Rename, "lstitem.dat.new"), SaveInPlay)},
        {"killed right after a new picture", Untouched, KilledAfterOpening},
        {"nothing wrong: save", Untouched, SaveInPlay},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}

std::string Table() {
    std::string table = "| Case | What the player is told | State afterwards | Nothing lost |\n|---|---|---|---|\n";
    for (const Case& c : Cases()) {
        Trial trial;
        c.spoil(trial);
        const Outcome outcome = c.action(trial);
        table += "| " + c.name + " | " + trial.Messages() + " | " + outcome.state + " | " +
                 (outcome.nothingLost ? "yes" : "**no**") + " |\n";
    }
    return table;
}

TEST(BadInput, NothingIsLostAndTheTableInTheDevelopersGuideIsUpToDate) {
    const std::string table = Table();
    EXPECT_EQ(std::string::npos, table.find("**no**")) << table;

    const fs::path guide(DEVELOPERS_GUIDE);
    std::string text = ReadAll(guide);
    const std::size_t start = text.find(kTableStart), end = text.find(kTableEnd);
    ASSERT_NE(std::string::npos, start) << "DEVELOPERS.md has no line " << kTableStart;
    ASSERT_NE(std::string::npos, end) << "DEVELOPERS.md has no line " << kTableEnd;
    const std::size_t from = start + std::string(kTableStart).size() + 1;
    if (std::getenv("QUILLMERE_WRITE_TABLE")) {
        WriteAll(guide, text.replace(from, end - from, table));
        return;
    }
    EXPECT_EQ(text.substr(from, end - from), table)
        << "the behaviour changed: run the test with QUILLMERE_WRITE_TABLE=1 "
           "to write the new table into DEVELOPERS.md, and read the difference";
}

}  // namespace
}  // namespace qm
