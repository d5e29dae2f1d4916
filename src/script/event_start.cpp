#include "script/event_start.h"

#include "core/game.h"
#include "script/event_runner.h"
#include "script/missing_event_report.h"
#include "script/script_lines.h"
#include "script/speech.h"
#include "ui/help_mode.h"

namespace qm {
namespace {

// Events that start events with their first line (">ive") nest inside one
// step; a chain that loops back on itself would never end.
constexpr int kMostNestedStarts = 100;

constexpr const char* kEventHelp =
    "イベントが開始しました。\r\n"
    "▼が出たらその辺りをクリックして\r\n"
    "進ませて下さい\r\n"
    "イベントは、エンディング以外理性綺を新たに作ることで飛ばすことができます。";

class NestedStart {
public:
    explicit NestedStart(Game& game) : depth_(game.nestedEventStarts) { ++depth_; }
    ~NestedStart() { --depth_; }
    NestedStart(const NestedStart&) = delete;
    NestedStart& operator=(const NestedStart&) = delete;
    bool TooDeep() const { return depth_ > kMostNestedStarts; }

private:
    int& depth_;
};

// The look-ahead holds the first line, or the file cannot be read.
bool OpenEventFile(Game& game, const std::string& name) {
    GameState& s = game.state;
    s.FileNumber = static_cast<std::int16_t>(game.files.FreeFile());
    if (!game.files.OpenForInput(s.FileNumber, s.TxtFolder + name + s.TextExt)) return false;
    const auto first = game.files.LineInput(s.FileNumber);
    if (!first) return false;
    s.ScriptLine = *first;
    return true;
}

// Shows why the event did not run and puts it away.
void AbandonEvent(Game& game, const std::string& why) {
    game.files.Close(game.state.FileNumber);
    game.Message(why);
    EndEvent(game);
}

}  // namespace

void StartEvent(Game& game, std::string name) {
    GameState& s = game.state;
    const NestedStart nested(game);
    if (nested.TooDeep()) {
        AbandonEvent(game, "イベント「" + name + "」は、イベントの呼び出しが" + std::to_string(kMostNestedStarts) +
                               "回続いたため、止めました。\r\nイベントの呼び出しが輪になっていないか確かめて下さい。");
        return;
    }
    game.files.Close(s.FileNumber);
    if (HelpModeOn(game)) ShowHelpText(game, kEventHelp);
    s.Shown.Photo = false;
    s.Speech.TextTimer = true;
    s.Speech.Page.Face = false;
    SetSpeechBox(game, "", true);
    s.LinesShown = 1;
    if (!OpenEventFile(game, name)) {
        AbandonEvent(game, MissingEventReport(s, name));
        return;
    }
    s.AwardedEmotion = -1;
    Lbl_Click(game, 0);
}

void Lbl_Click(Game& game, int) {
    StepScript(game);
    game.state.Speech.TextTimer = true;
}

void TimSay_Timer(Game& game) {
    if (!TimerWaitsOn(game.state.ScriptLine)) StepScript(game);
}

}  // namespace qm
