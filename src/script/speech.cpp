#include "script/speech.h"

#include "core/game.h"

namespace qm {
namespace {

constexpr const char* kClickMark = "▼";

// The text as the box shows it: every line below an empty first row.
std::string PageText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\r\n" + line;
    return text;
}

void Record(SpeechBox& speech, const std::string& line) {
    SpeechPage& page = speech.Page;
    if (page.Recorded) {
        speech.History.back().lines.push_back(line);
        return;
    }
    speech.History.push_back({page.Speaker, page.Lines});
    if (speech.History.size() > kHistoryPages) speech.History.pop_front();
    page.Recorded = true;
}

}  // namespace

const std::deque<SpokenPage>& SpeechHistory(const Game& game) { return game.state.Speech.History; }

std::vector<std::string> HistoryRows(const Game& game) {
    std::vector<std::string> rows;
    for (const SpokenPage& page : SpeechHistory(game)) rows.push_back(page.speaker + PageText(page.lines));
    return rows;
}

bool SpeechWaits(const Game& game) {
    const SpeechPage& page = game.state.Speech.Page;
    return page.Shown && page.Waits;
}

void SetSpeechBox(Game& game, const std::string& name, bool visible) {
    SpeechPage& page = game.state.Speech.Page;
    page.Shown = visible;
    page.Speaker = name;
    page.Lines.clear();
    page.Waits = false;
    page.Recorded = false;
}

void AddSpeechLine(Game& game, const std::string& line, bool newPage, bool waits) {
    SpeechBox& speech = game.state.Speech;
    SpeechPage& page = speech.Page;
    if (newPage) {
        page.Lines.clear();
        page.Recorded = false;
    }
    page.Lines.push_back(line);
    page.Waits = waits;
    page.Shown = true;
    Record(speech, line);
}

void ForgetSpeechHistory(Game& game) {
    game.state.Speech.History.clear();
    game.state.Speech.Page.Recorded = false;
}

void ShowSpeech(const GameState& state, Form& form) {
    const SpeechBox& speech = state.Speech;
    const SpeechPage& page = speech.Page;
    form.Lbl.caption = PageText(page.Lines) + (page.Waits ? kClickMark : "");
    form.LblName.caption = page.Speaker;
    form.Lbl.visible = form.LblName.visible = page.Shown;
    form.PicKao.visible = page.Face;
    form.TimSay.enabled = speech.TextTimer;
}

}  // namespace qm
