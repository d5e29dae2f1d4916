#include "soak_checks.h"

#include <algorithm>
#include <regex>

#include "game/game.h"
#include "soak_actions.h"

namespace qm::soak {
namespace {

// Every message box the game shows in play on its own content (the
// patterns match bytes, so a character that repeats or is one of several
// stands in parentheses of its own). Failures
// (a missing event or picture, a file that cannot be written) are not
// among them: the shipped game never shows one.
const std::vector<std::regex>& MessagesOfPlay() {
    static const std::vector<std::regex> messages = [] {
        std::vector<std::regex> list;
        for (const char* pattern : {
                 "SAVE　OK",
                 "Load　OK",
                 "ロードできませんでした。\r\n.*all\\.dat\r\nファイルを読めませんでした。",  // nothing saved yet
                 "(喜|怒|哀|楽|愛)ノ綺ヲしゅとく",
                 "妖精ノ色\r\n\r\n[^\t]+\t+(白|緑|赤|青|黄|桃|水)",
                 "貴方ヘノ愛\r\n(\r\n[^\t]+\t+　：　(★)*){8}",
                 "誰にも会わなかったよ・・・\r\n[\\s\\S]*",
                 "綺ノりすとカラ綺ヲえらんで",
                 "まぜる綺ガないヨ",
                 "アルバム制作します・OKを押して下さい。\r\nこの作業は時間がかかる場合があります。",
                 "写真が無いと、アルバムは制作できません",
                 "アルバムを制作しました。\r\n.*の中を覗いてみて下さい",
                 "Quillmere Ver[\\s\\S]*",
             })
            list.emplace_back(pattern, std::regex::ECMAScript);
        return list;
    }();
    return messages;
}

bool OneOfPlay(const std::string& message) {
    return std::any_of(MessagesOfPlay().begin(), MessagesOfPlay().end(),
                       [&](const std::regex& pattern) { return std::regex_match(message, pattern); });
}

}  // namespace

Before Remember(const Game& game) { return {game.state.PointsUsed, game.state.PictureRegister}; }

std::optional<std::string> Broken(const Game& game, const Before& before, const std::string& action,
                                  const std::vector<std::string>& messages) {
    const Form& form = game.form;
    for (const Control& column : form.LstWorldItem)
        if (column.Rows().size() != form.LstWorldItem[0].Rows().size()) return "the four world lists are not aligned";
    if (game.state.PointsUsed < before.pointsUsed && !MayLowerPoints(action))
        return "the points went down from " + std::to_string(before.pointsUsed) + " to " +
               std::to_string(game.state.PointsUsed);
    if (game.files.OpenCount() > 1) return std::to_string(game.files.OpenCount()) + " files are open";
    const auto& entries = game.state.PictureRegister;
    if (entries.size() < before.register_.size() ||
        !std::equal(before.register_.begin(), before.register_.end(), entries.begin()))
        return "the register lost a picture";
    for (const std::string& message : messages)
        if (!OneOfPlay(message)) return "a message the game does not show in play: " + message;
    return std::nullopt;
}

}  // namespace qm::soak
