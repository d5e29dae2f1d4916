#include <algorithm>
#include <array>
#include <filesystem>

#include "core/settings.h"
#include "game/game.h"
#include "game/lifecycle.h"
#include "game/messages.h"
#include "game/window_size.h"
#include "game/write_folder.h"
#include "pictures/picture_display.h"
#include "rules/script_lines.h"
#include "sound/music.h"

namespace qm {
namespace {

constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

bool EndsWithSeparator(const std::string& folder) {
    return !folder.empty() && (folder.back() == '/' || folder.back() == kSeparator);
}

void SetFolders(Game& game) {
    GameState& s = game.state;
    s.AppFolder = game.programFolder;
    if (!EndsWithSeparator(s.AppFolder)) s.AppFolder += kSeparator;
    s.ImgFolder = s.AppFolder + "img" + kSeparator;
    s.FaceFolder = s.AppFolder + "face" + kSeparator;
    s.TxtFolder = s.AppFolder + "txt" + kSeparator;
}

// The game cannot run without its four settings: say which file is wrong
// and end the program.
bool LoadSettings(Game& game) {
    GameState& s = game.state;
    s.FileNumber = static_cast<std::int16_t>(game.files.FreeFile());
    const auto problem = ReadSettings(game.files, s.FileNumber, ProgramSysFolder(s) + "system.dat", s);
    if (!problem) return true;
    game.Message(Wording(*problem));
    game.exitCode = 1;
    return false;
}

void FillNameTables(GameState& s) {
    std::ranges::copy(kEmotionNames, s.EmotionName.begin());
    // Tabs line the names up in a column; the one six-letter name needs one.
    s.FairyName = {"ササン\t\t", "マー\t\t",     "ガブガブ\t\t", "ニィムディム\t",
                   "ンィ\t\t",   "ドーゥー\t\t", "ジョダン\t\t", "ハブキィ\t\t"};
    s.ColourName = {"白", "緑", "赤", "青", "黄", "桃", "水", "黒"};
}

void SetCaptions(Form& f) {
    const std::array<std::pair<const char*, const char*>, 6> commands = {{
        {"綺・収集", "理性綺を作る画面を呼び出すよ"},
        {"綺・制作", "感情綺で物を作る画面を呼び出すよ"},
        {"記憶絵", "集めた記憶絵の画面を呼び出すよ"},
        {"妖精球・理性[10]", "理性綺のヒントが見れるよ（ポイント１０）"},
        {"妖精球・感情[30]", "感情綺のヒントが見れるよ（ポイント３０）"},
        {"メニュウ", "メニュウ"},
    }};
    for (std::size_t i = 0; i < commands.size(); ++i) {
        f.Com[i].caption = commands[i].first;
        f.Com[i].toolTip = commands[i].second;
    }
    f.ColorCom[0].caption = "綺ノ色登録[5]";
    f.ColorCom[1].caption = "綺ノ色抹消[1]";
    f.ColorCom[2].caption = "綺飾ッテ外へ[10]";
    f.KanComSet[0].caption = "感情ヲ混ぜ皿ヘ[5]";
    f.KanComSet[1].caption = "混ぜ皿カラ創造[10]";
    f.PicPhoto.toolTip = "クリックで隠します";
    f.CountMaxLst.SetList({"ちょっぱやモード", "ふつうモード", "のんびりモード", "げきおそモード"});
}

// Each line of the title text follows a line break, so the text begins
// with one. A game folder without a title text simply shows none.
void ReadTitleText(Game& game) {
    GameState& s = game.state;
    s.TitleText.clear();
    const auto lines = ReadLines(game.files, s.FileNumber, s.TxtFolder + "stt" + s.TextExt);
    for (const std::string& line : lines.value_or(std::vector<std::string>{})) s.TitleText += "\r\n" + line;
}

// A first run has no register yet; shut-down creates it.
void ReadPictureRegister(Game& game) {
    GameState& s = game.state;
    const std::string path = SysFolderHolding(s, "lstphoto.dat") + "lstphoto.dat";
    const auto lines = ReadLines(game.files, s.FileNumber, path);
    s.PictureRegister = lines.value_or(std::vector<std::string>{});
    game.form.LstIvent.listIndex = -1;
}

}  // namespace

void Form_Load(Game& game) {
    GameState& s = game.state;
    SetFolders(game);
    if (!LoadSettings(game)) return game.Project();
    ChooseWriteFolder(game);
    OpenMusic(game, s.AppFolder + "bgm.wav");
    game.music.MusicOn = true;
    PlayMusic(game);
    game.random.Seed(game.ports.clock.Seed());
    FillNameTables(s);
    SetCaptions(game.form);
    ReadTitleText(game);
    ReadPictureRegister(game);
    CheckPictureFolders(game);
    Screen& screen = game.ports.screen;
    ResizeWindow(game, game.form.Frm.width, screen.HeightTwips() / 5.0 * 4);
    ResetGame(game);
    game.Project();
}

void Form_Activate(Game& game) {
    ResetGame(game);
    game.Project();
}

}  // namespace qm
