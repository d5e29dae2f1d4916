#include "pictures/album.h"

#include <optional>
#include <vector>

#include "game/game.h"
#include "game/messages.h"
#include "pictures/picture_viewer.h"
#include "rules/album_html.h"
#include "rules/script_lines.h"

namespace qm {
namespace {

constexpr const char* kMarker = "<SYASIN>";
constexpr const char* kNewLine = "\r\n";

std::string ImageTag(const std::string& path) { return "<img src=\"" + FileUrlOf(path) + "\""; }

std::string PictureLine(const GameState& s, const std::string& name) {
    return ImageTag(s.ImgFolder + name + s.PictureExt);
}

// The event's text as the album shows it: speakers in bold or as their
// face, script lines left out, everything else as the game shows it, as
// plain text.
std::string EventBlock(const GameState& s, const std::vector<std::string>& lines) {
    std::string block;
    for (const std::string& line : lines) {
        if (line.starts_with('-')) {
            const std::string speaker = line.substr(1);
            if (speaker.find(kFaceSeparator) != std::string::npos)
                block += "<Br clear=all>" + ImageTag(s.FaceFolder + speaker + s.PictureExt) + " align=left>" + kNewLine;
            else
                block += "<BR><B>" + HtmlText(speaker) + "</b><BR>" + kNewLine;
        } else if (!line.starts_with('>')) {
            block += HtmlText(line) + "<BR>" + kNewLine;
        }
    }
    return block;
}

std::string PictureBlock(const GameState& s, AlbumKind kind, const std::vector<std::string>& pictures,
                         const std::vector<std::string>& event) {
    if (kind == AlbumKind::OnePicture)
        return std::string(kNewLine) + "<hr>" + PictureLine(s, pictures.front()) + "><hr>" + kNewLine +
               EventBlock(s, event);
    std::string block;
    for (const std::string& name : pictures)
        block += std::string(kNewLine) + "<hr>" + PictureLine(s, name) + ">" + kNewLine;
    return block;
}

AlbumProblem Problem(AlbumProblem::Fault fault, std::string subject) { return {fault, std::move(subject)}; }

// The full album's pictures, each registered one whose name cannot reach
// outside the game's folders, and the names left out.
std::vector<std::string> SafePictures(const GameState& s, std::vector<std::string>& leftOut) {
    std::vector<std::string> safe;
    for (const std::string& name : s.PictureRegister) (IsPlainName(name) ? safe : leftOut).push_back(name);
    return safe;
}

}  // namespace

AlbumOutcome WriteAlbum(Game& game, AlbumKind kind) {
    using Fault = AlbumProblem::Fault;
    const GameState& s = game.state;
    const bool onePicture = kind == AlbumKind::OnePicture;
    const std::string chosen = ChosenPicture(game);
    // The chosen picture names the page and the event text it reads.
    if (onePicture && !IsPlainName(chosen)) return {.problem = Problem(Fault::UnsafeName, chosen)};
    const std::string layoutPath = s.TxtFolder + "arub" + s.TextExt;
    const auto layout = ReadLines(game.files, game.files.FreeFile(), layoutPath);
    if (!layout) return {.problem = Problem(Fault::NoTemplate, layoutPath)};
    std::vector<std::string> event;
    if (onePicture) {
        const std::string eventPath = s.TxtFolder + chosen + s.TextExt;
        auto lines = ReadLines(game.files, game.files.FreeFile(), eventPath);
        if (!lines) return {.problem = Problem(Fault::NoEventText, eventPath)};
        event = std::move(*lines);
    }
    AlbumOutcome outcome;
    const std::vector<std::string> pictures = onePicture ? std::vector{chosen} : SafePictures(s, outcome.leftOut);
    std::string page;
    for (const std::string& line : *layout) {
        const bool marker = line == kMarker;
        if (marker) page += PictureBlock(s, kind, pictures, event);
        page += kNewLine + (marker ? std::string() : line);
    }
    const std::string name = onePicture ? "アルバム「" + chosen + "」" : "アルバム";
    const std::string path = s.WriteFolder + name + ".html";
    if (!ReplaceFileLines(game.files, game.files.FreeFile(), path, {page}))
        outcome.problem = Problem(Fault::Unwritable, path);
    return outcome;
}

void ComIvent_MouseUp(Game& game, int, int button) {
    const GameState& s = game.state;
    game.Message(AlbumStartingMessage());
    if (!s.PicturesPresent || s.PictureRegister.empty()) {
        game.Message(AlbumNeedsPicturesMessage());
        return;
    }
    const bool onePicture = !ChosenPicture(game).empty() && button == 2 && s.FacesPresent;
    const AlbumOutcome outcome = WriteAlbum(game, onePicture ? AlbumKind::OnePicture : AlbumKind::Full);
    if (!outcome.leftOut.empty()) game.Message(LeftOutOfAlbumMessage(outcome.leftOut));
    if (!Tell(game, outcome.problem)) game.Message(AlbumWrittenMessage(s.WriteFolder));
}

void InstallAlbum(Form& form) {
    form.ComIvent.on.mouseUp = ComIvent_MouseUp;
}

}  // namespace qm
