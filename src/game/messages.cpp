#include "game/messages.h"

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

constexpr const char* kNewLine = "\r\n";

// Where players find the game and its makers.
constexpr const char* kCredit = "制作：Quillmere 制作チーム";
constexpr const char* kAddress = "https://quillmere.example.org/";

// The lines of a message, each but the last ended by a line break.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (&line != lines.begin()) text += kNewLine;
        text += line;
    }
    return text;
}

// Nineteen lines, each ended by a line break: affection and solo count per
// fairy, each colour channel across the three slots, the fairy met in each
// slot, and the picture the event would award.
std::string StatusBlock(const EventProblem& p) {
    std::string block;
    auto line = [&block](const std::string& text) { block += text + kNewLine; };
    for (std::size_t fairy = 0; fairy < p.affection.size(); ++fairy)
        line(std::to_string(p.affection[fairy]) + "/" + std::to_string(p.soloCount[fairy]));
    line("---------");
    for (std::size_t channel = 0; channel < 3; ++channel) {
        std::string values;
        for (const auto& slot : p.slotColour) values += std::to_string(slot[channel]) + "/";
        line(values);
    }
    line("---------");
    for (const std::int16_t fairy : p.metFairy) line(std::to_string(fairy));
    line("--------");
    line(p.eventPicture);
    line("--------");
    return block;
}

std::string MissingEventReport(const EventProblem& p) {
    return Lines({
        p.name + "と言うファイルが見あたりません。",
        "システムがバグっている可能性があります。",
        "ステータスは以下の通りです",
        StatusBlock(p),
        "できるなら、画面をプリントスクリーンするか、",
        "この内容をそのままメールにして、",
        "制作者に送付して下さい。お礼に宝物CD_ROMを送付させていただきます。（先着１名様）",
        "オッケィを押すと、終了します。",
    });
}

std::string WhatIsWrong(const LoadProblem& p) {
    using Fault = LoadProblem::Fault;
    switch (p.fault) {
        case Fault::Unreadable:
            return "ファイルを読めませんでした。";
        case Fault::TooFewLines:
            return "行が足りません（" + std::to_string(p.needed) + "行必要です）。";
        case Fault::OutOfRange:
            return "数が範囲（" + std::to_string(p.lowest) + "～" + std::to_string(p.highest) + "）の外です。";
        case Fault::TooFewFields:
            return "「,」で区切った項目が" + std::to_string(p.needed) + "つありません。";
        case Fault::Unfinished:
            return "書きかけのセーブを仕上げられませんでした。";
    }
    return {};
}

}  // namespace

std::string Wording(const PictureProblem& problem) { return Lines({"絵を読み込めませんでした。", problem.path}); }

std::string Wording(const SettingsProblem& problem) {
    const std::string why = problem.fault == SettingsProblem::Fault::TooFewLines
                                ? "設定ファイルの行が足りません（" + std::to_string(kSettingLines) + "行必要です）。"
                                : "設定ファイルを開けませんでした。";
    return Lines({why, problem.path});
}

std::string Wording(const LoadProblem& problem) {
    const std::string where = problem.line > 0 ? problem.path + " の" + std::to_string(problem.line) + "行目" : problem.path;
    return Lines({"ロードできませんでした。", where, WhatIsWrong(problem)});
}

std::string Wording(const FileSetFailure& failure) {
    return Lines({"セーブできませんでした。", failure.path,
                  failure.oldSetKept ? "前のセーブはそのまま残っています。" : "このセーブは次のロードで読み込まれます。"});
}

std::string Wording(const RegisterProblem& problem) {
    return Lines({"記憶絵の記録を書き込めませんでした。", problem.path});
}

std::string Wording(const AlbumProblem& problem) {
    using Fault = AlbumProblem::Fault;
    switch (problem.fault) {
        case Fault::UnsafeName:
            return "記憶絵の名前「" + problem.subject + "」には、アルバムに使えない文字が含まれています。";
        case Fault::NoTemplate:
            return Lines({"アルバムのひな形を読めないため、アルバムを制作できませんでした。", problem.subject});
        case Fault::NoEventText:
            return Lines({"イベントの文章を読めないため、アルバムを制作できませんでした。", problem.subject});
        case Fault::Unwritable:
            return Lines({"アルバムを書き込めませんでした。", problem.subject});
    }
    return {};
}

std::string Wording(const EventProblem& problem) {
    if (problem.fault == EventProblem::Fault::Missing) return MissingEventReport(problem);
    return Lines({"イベント「" + problem.name + "」は、イベントの呼び出しが" + std::to_string(problem.nestedStarts) +
                      "回続いたため、止めました。",
                  "イベントの呼び出しが輪になっていないか確かめて下さい。"});
}

std::string Wording(OutingFailure failure) {
    if (failure == OutingFailure::TooDark)
        return Lines({"誰にも会わなかったよ・・・", "綺ノ色が近すぎるト会エナイ・・・", "三色・・違ワナイと会エナイ・・・",
                      "綺ノ色ガ暗イトまだ会エナイ・・・"});
    return Lines({"誰にも会わなかったよ・・・", "三色・・違ワナイと会エナイ・・・", "綺ノ色が近すぎるト会エナイ・・・"});
}

std::string SavedMessage() { return "SAVE　OK"; }

std::string LoadedMessage() { return "Load　OK"; }

std::string AlbumStartingMessage() {
    return Lines({"アルバム制作します・OKを押して下さい。", "この作業は時間がかかる場合があります。"});
}

std::string AlbumNeedsPicturesMessage() { return "写真が無いと、アルバムは制作できません"; }

std::string LeftOutOfAlbumMessage(const std::vector<std::string>& names) {
    std::string quoted;
    for (const std::string& name : names) quoted += "「" + name + "」";
    return "記憶絵" + quoted + "は、名前にアルバムに使えない文字が含まれているため、アルバムに入れません。";
}

std::string AlbumWrittenMessage(const std::string& folder) {
    return Lines({"アルバムを制作しました。", folder + "の中を覗いてみて下さい"});
}

std::string ChooseAnItemMessage() { return "綺ノりすとカラ綺ヲえらんで"; }

std::string NothingToMixMessage() { return "まぜる綺ガないヨ"; }

std::string EmotionGainedMessage(const std::string& emotionName) { return emotionName + "ノ綺ヲしゅとく"; }

std::string ColourHintMessage(const std::string& fairyName, const std::string& colourName) {
    return Lines({"妖精ノ色", "", fairyName + colourName});
}

std::string AffectionHintMessage(const std::array<std::string, 8>& fairyNames,
                                 const std::array<std::int16_t, 8>& affection) {
    std::string text = std::string("貴方ヘノ愛") + kNewLine;
    for (std::size_t fairy = 0; fairy < affection.size(); ++fairy) {
        text += kNewLine + fairyNames[fairy] + "　：　";
        // One star a point, counted as the game always has: as a byte.
        const int stars = static_cast<std::uint8_t>(affection[fairy]);
        for (int i = 0; i < stars; ++i) text += "★";
    }
    return text;
}

std::string VersionMessage(const std::string& versionText) {
    return Lines({"Quillmere Ver" + versionText, kCredit, kAddress});
}

}  // namespace qm
