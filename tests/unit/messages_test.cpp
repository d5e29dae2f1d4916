// The game's messages, worded from the values the rules return: each says
// what it said when the code that found the problem worded it itself.

#include "game/messages.h"

#include <gtest/gtest.h>

#include "colour/fairy_encounter.h"
#include "core/file_set.h"
#include "core/save_contents.h"
#include "core/settings.h"
#include "game/picture_register.h"
#include "pictures/album.h"
#include "pictures/picture_display.h"
#include "script/event_problem.h"

namespace qm {
namespace {

TEST(Messages, FileProblemsNameTheFile) {
    EXPECT_EQ("絵を読み込めませんでした。\r\n/g/img/a.png", Wording(PictureProblem{"/g/img/a.png"}));
    EXPECT_EQ("記憶絵の記録を書き込めませんでした。\r\n/g/sys/lstphoto.dat",
              Wording(RegisterProblem{"/g/sys/lstphoto.dat"}));
    using Settings = SettingsProblem::Fault;
    EXPECT_EQ("設定ファイルを開けませんでした。\r\n/g/sys/system.dat",
              Wording(SettingsProblem{Settings::Unreadable, "/g/sys/system.dat"}));
    EXPECT_EQ("設定ファイルの行が足りません（4行必要です）。\r\n/g/sys/system.dat",
              Wording(SettingsProblem{Settings::TooFewLines, "/g/sys/system.dat"}));
}

TEST(Messages, ALoadProblemNamesTheFileTheLineAndWhatIsWrong) {
    using Fault = LoadProblem::Fault;
    const std::string all = "/g/sys/all.dat";
    EXPECT_EQ("ロードできませんでした。\r\n/g/sys/lstkan.dat\r\nファイルを読めませんでした。",
              Wording(LoadProblem{.fault = Fault::Unreadable, .path = "/g/sys/lstkan.dat"}));
    EXPECT_EQ("ロードできませんでした。\r\n/g/sys/all.dat\r\n行が足りません（20行必要です）。",
              Wording(LoadProblem{.fault = Fault::TooFewLines, .path = all, .needed = 20}));
    EXPECT_EQ("ロードできませんでした。\r\n/g/sys/all.dat の9行目\r\n数が範囲（-32768～32767）の外です。",
              Wording(LoadProblem{.fault = Fault::OutOfRange, .path = all, .line = 9, .lowest = -32768, .highest = 32767}));
    EXPECT_EQ("ロードできませんでした。\r\n/g/sys/all.dat の20行目\r\n数が範囲（1～3）の外です。",
              Wording(LoadProblem{.fault = Fault::OutOfRange, .path = all, .line = 20, .lowest = 1, .highest = 3}));
    EXPECT_EQ("ロードできませんでした。\r\n/g/sys/lstworld.dat の1行目\r\n「,」で区切った項目が4つありません。",
              Wording(LoadProblem{.fault = Fault::TooFewFields, .path = "/g/sys/lstworld.dat", .line = 1, .needed = 4}));
    EXPECT_EQ("ロードできませんでした。\r\n/g/sys/lstkan.dat\r\n書きかけのセーブを仕上げられませんでした。",
              Wording(LoadProblem{.fault = Fault::Unfinished, .path = "/g/sys/lstkan.dat"}));
}

TEST(Messages, ASaveSaysWhichSetTheNextLoadFinds) {
    EXPECT_EQ("セーブできませんでした。\r\n/g/sys/all.dat.new\r\n前のセーブはそのまま残っています。",
              Wording(FileSetFailure{"/g/sys/all.dat.new", true}));
    EXPECT_EQ("セーブできませんでした。\r\n/g/sys/lstkan.dat\r\nこのセーブは次のロードで読み込まれます。",
              Wording(FileSetFailure{"/g/sys/lstkan.dat", false}));
    EXPECT_EQ("SAVE　OK", SavedMessage());
    EXPECT_EQ("Load　OK", LoadedMessage());
}

TEST(Messages, AlbumProblemsAndNotices) {
    using Fault = AlbumProblem::Fault;
    EXPECT_EQ("記憶絵の名前「../x」には、アルバムに使えない文字が含まれています。",
              Wording(AlbumProblem{Fault::UnsafeName, "../x"}));
    EXPECT_EQ("アルバムのひな形を読めないため、アルバムを制作できませんでした。\r\n/g/txt/arub.txt",
              Wording(AlbumProblem{Fault::NoTemplate, "/g/txt/arub.txt"}));
    EXPECT_EQ("イベントの文章を読めないため、アルバムを制作できませんでした。\r\n/g/txt/012.txt",
              Wording(AlbumProblem{Fault::NoEventText, "/g/txt/012.txt"}));
    EXPECT_EQ("アルバムを書き込めませんでした。\r\n/g/アルバム.html",
              Wording(AlbumProblem{Fault::Unwritable, "/g/アルバム.html"}));
    EXPECT_EQ("記憶絵「../a」「b\\c」は、名前にアルバムに使えない文字が含まれているため、アルバムに入れません。",
              LeftOutOfAlbumMessage({"../a", "b\\c"}));
    EXPECT_EQ("アルバム制作します・OKを押して下さい。\r\nこの作業は時間がかかる場合があります。", AlbumStartingMessage());
    EXPECT_EQ("写真が無いと、アルバムは制作できません", AlbumNeedsPicturesMessage());
    EXPECT_EQ("アルバムを制作しました。\r\n/g/の中を覗いてみて下さい", AlbumWrittenMessage("/g/"));
}

TEST(Messages, EventsThatCouldNotRunAndOutingsThatFailed) {
    EXPECT_EQ(
        "イベント「opn」は、イベントの呼び出しが100回続いたため、止めました。\r\n"
        "イベントの呼び出しが輪になっていないか確かめて下さい。",
        Wording(EventProblem{.fault = EventProblem::Fault::ChainTooLong, .name = "opn", .nestedStarts = 100}));
    EXPECT_EQ("誰にも会わなかったよ・・・\r\n三色・・違ワナイと会エナイ・・・\r\n綺ノ色が近すぎるト会エナイ・・・",
              Wording(OutingFailure::NobodyCame));
    EXPECT_EQ(
        "誰にも会わなかったよ・・・\r\n綺ノ色が近すぎるト会エナイ・・・\r\n三色・・違ワナイと会エナイ・・・\r\n"
        "綺ノ色ガ暗イトまだ会エナイ・・・",
        Wording(OutingFailure::TooDark));
}

TEST(Messages, PlayMessages) {
    EXPECT_EQ("哀ノ綺ヲしゅとく", EmotionGainedMessage("哀"));
    EXPECT_EQ("綺ノりすとカラ綺ヲえらんで", ChooseAnItemMessage());
    EXPECT_EQ("まぜる綺ガないヨ", NothingToMixMessage());
    EXPECT_EQ("妖精ノ色\r\n\r\nマー\t\t緑", ColourHintMessage("マー\t\t", "緑"));
    EXPECT_EQ("Quillmere Ver1.0\r\n制作：Quillmere 制作チーム\r\nhttps://quillmere.example.org/",
              VersionMessage("1.0"));
}

// A star a point, counted as a byte: 258 shows two, -1 shows 255.
TEST(Messages, TheAffectionHintCountsStarsAsAByte) {
    std::array<std::string, 8> names;
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::string(1, static_cast<char>('a' + i));
    const std::string hint = AffectionHintMessage(names, {2, 0, 258, 0, 0, 0, 0, -1});
    std::string stars255;
    for (int i = 0; i < 255; ++i) stars255 += "★";
    EXPECT_EQ("貴方ヘノ愛\r\n\r\na　：　★★\r\nb　：　\r\nc　：　★★\r\nd　：　\r\ne　：　\r\nf　：　\r\ng　：　\r\nh　：　" + stars255,
              hint);
}

}  // namespace
}  // namespace qm
