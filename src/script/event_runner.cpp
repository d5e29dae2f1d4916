#include "script/event_runner.h"

#include <string_view>

#include "game/game.h"
#include "game/messages.h"
#include "pictures/picture_display.h"
#include "pictures/picture_viewer.h"
#include "rules/points.h"
#include "rules/script_lines.h"
#include "script/ending.h"
#include "script/event_start.h"
#include "script/speech.h"
#include "world/chronicle.h"

namespace qm {
namespace {

constexpr std::string_view kClickMark = "▼";
constexpr int kPageLines = 10;

// Each kind of line says whether the step goes on with the next line.
enum class Then { Continue, EndStep };

bool EventFileOpen(const Game& game) { return game.files.IsOpen(game.state.FileNumber); }

void CloseEventFile(Game& game) { game.files.Close(game.state.FileNumber); }

// The current line is the look-ahead; the look-ahead moves one line on.
std::string TakeLine(Game& game) {
    GameState& s = game.state;
    std::string line = std::move(s.ScriptLine);
    const auto next = game.files.LineInput(s.FileNumber);
    s.ScriptLine = next ? *next : std::string(kEndOfScript);
    return line;
}

// The event's last step: the emotion it gave, the picture it gave.
Then EndOfScript(Game& game) {
    GameState& s = game.state;
    CloseEventFile(game);
    if (s.AwardedEmotion >= 0) game.Message(EmotionGainedMessage(s.EmotionName[s.AwardedEmotion]));
    if (!s.EventPicture.empty()) LBlIvent_See(game, s.EventPicture);
    EndEvent(game);
    return Then::EndStep;
}

Then SpeakerLine(Game& game, const std::string& line) {
    GameState& s = game.state;
    const std::string speaker = line.substr(1);
    if (const auto face = FaceOf(line)) {
        s.Speech.Page.Face = s.FacesPresent;
        Tell(game, ShowFace(game, *face));
        SetSpeechBox(game, speaker.substr(0, speaker.find(kFaceSeparator)), true);
    } else {
        s.Speech.Page.Face = false;
        SetSpeechBox(game, speaker, true);
    }
    s.LinesShown = 0;
    return Then::Continue;
}

Then HideFace(Game& game) {
    game.state.Speech.Page.Face = false;
    return Then::Continue;
}

// ">k>" and a digit 0 to 4; any other fourth character gives nothing.
Then AwardEmotion(Game& game, const std::string& line) {
    GameState& s = game.state;
    const int emotion = EmotionOf(line);
    if (emotion < 0) return Then::Continue;
    s.AwardedEmotion = static_cast<std::int16_t>(emotion);
    s.Items.Edit().push_back(MakeItem(emotion, s.EmotionName[emotion]));
    return Then::Continue;
}

Then Chain(Game& game, const std::string& line) {
    CloseEventFile(game);
    EndEvent(game);
    StartEvent(game, ArgumentOf(line));
    return Then::EndStep;
}

Then PictureNow(Game& game, const std::string& line) {
    GameState& s = game.state;
    if (const auto name = PictureNameOf(line)) s.EventPicture = *name;
    if (!s.EventPicture.empty()) LBlIvent_See(game, s.EventPicture);
    return Then::EndStep;
}

// The world chronicle closes the game.
Then HandToChronicle(Game& game) {
    CloseEventFile(game);
    WriteChronicle(game);
    return Then::EndStep;
}

// The fairy who loves the player most gets her own ending, if she loves
// enough; otherwise the chronicle follows at once.
Then EndingBranch(Game& game) {
    GameState& s = game.state;
    const int best = BestLovedFairy(s.Affection);
    if (s.Affection[best] < 10) return HandToChronicle(game);
    CloseEventFile(game);
    s.EventPicture = "end" + std::to_string(best);
    StartEvent(game, s.EventPicture);
    return Then::EndStep;
}

Then ClearPage(Game& game) {
    SetSpeechBox(game, game.state.Speech.Page.Speaker, true);
    game.state.LinesShown = 0;
    return Then::Continue;
}

Then ChangeScene(Game& game, const std::string& line) {
    Tell(game, ShowScene(game, ArgumentOf(line)));
    return Then::Continue;
}

// A text line joins the page, which waits with "▼" when it is full or a
// pause line comes next; the line after a "▼" begins a new page.
Then TextLine(Game& game, const std::string& line) {
    GameState& s = game.state;
    const bool newPage = s.ClickMark == kClickMark;
    if (IsPauseLine(s.ScriptLine) || s.LinesShown >= kPageLines) {
        s.ClickMark = kClickMark;
        s.Speech.TextTimer = false;
        s.LinesShown = 0;
    } else {
        s.ClickMark.clear();
    }
    ++s.LinesShown;
    AddSpeechLine(game, line, newPage, s.ClickMark == kClickMark);
    return Then::EndStep;
}

Then Execute(Game& game, const std::string& line) {
    switch (KindOf(line)) {
        case LineKind::EndOfScript:
            return EndOfScript(game);
        case LineKind::Speaker:
            return SpeakerLine(game, line);
        case LineKind::HideFace:
            return HideFace(game);
        case LineKind::Emotion:
            return AwardEmotion(game, line);
        case LineKind::Chain:
            return Chain(game, line);
        case LineKind::PictureNow:
            return PictureNow(game, line);
        case LineKind::Chronicle:
            return HandToChronicle(game);
        case LineKind::EndingBranch:
            return EndingBranch(game);
        case LineKind::EmptyLine:
            return ClearPage(game);
        case LineKind::Scene:
            return ChangeScene(game, line);
        case LineKind::Text:
            break;
    }
    return TextLine(game, line);
}

}  // namespace

void StepScript(Game& game) {
    while (EventFileOpen(game))
        if (Execute(game, TakeLine(game)) == Then::EndStep) return;
}

void EndEvent(Game& game) {
    GameState& s = game.state;
    s.EventPicture.clear();
    SetSpeechBox(game, "", false);
    s.Speech.TextTimer = false;
    s.Speech.Page.Face = false;
}

}  // namespace qm
