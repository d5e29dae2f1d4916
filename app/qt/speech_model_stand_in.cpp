// STAND-IN, TO BE DELETED with speech_model_stand_in.h.

#include "speech_model_stand_in.h"

#include <map>

#include "core/game.h"
#include "script/script_lines.h"

namespace qm {
namespace {

constexpr std::size_t kPagesKept = 500;
const std::string kMark = "▼";

struct Follower {
    std::deque<SpokenPage> pages;
    std::string caption;  // the speech box as last seen, without the mark
};

std::map<const Game*, Follower>& Followers() {
    static std::map<const Game*, Follower> followers;
    return followers;
}

std::string WithoutMark(std::string text) {
    if (text.ends_with(kMark)) text.resize(text.size() - kMark.size());
    return text;
}

// A page's caption: an empty first row, then a line per row.
std::vector<std::string> LinesOf(const std::string& caption) {
    std::vector<std::string> lines;
    if (caption.empty()) return lines;
    std::size_t at = caption.starts_with("\r\n") ? 2 : 0;
    for (;;) {
        const std::size_t end = caption.find("\r\n", at);
        lines.push_back(caption.substr(at, end - at));
        if (end == std::string::npos) return lines;
        at = end + 2;
    }
}

}  // namespace

const std::deque<SpokenPage>& SpeechHistory(const Game& game) { return Followers()[&game].pages; }

bool SpeechWaits(const Game& game) {
    const Form& f = game.form;
    return f.Lbl.visible && f.Lbl.caption.ends_with(kMark) &&
           (!f.TimSay.enabled || TimerWaitsOn(game.state.ScriptLine));
}

void FollowSpeech(const Game& game) {
    Follower& follower = Followers()[&game];
    const Form& f = game.form;
    if (f.PicStt.visible) {
        follower = {};
        return;
    }
    const std::string caption = WithoutMark(f.Lbl.caption);
    if (!f.Lbl.visible || caption == follower.caption) return;
    const bool samePage = !follower.caption.empty() && caption.starts_with(follower.caption) &&
                          !follower.pages.empty() && follower.pages.back().speaker == f.LblName.caption;
    follower.caption = caption;
    const std::vector<std::string> lines = LinesOf(caption);
    if (lines.empty()) return;
    if (!samePage) follower.pages.push_back({f.LblName.caption, {}});
    follower.pages.back().lines = lines;
    if (follower.pages.size() > kPagesKept) follower.pages.pop_front();
}

}  // namespace qm
