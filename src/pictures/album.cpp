#include "pictures/album.h"

#include <optional>
#include <vector>

#include "core/game.h"
#include "pictures/album_html.h"
#include "pictures/picture_viewer.h"
#include "script/script_lines.h"

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

std::string PictureBlock(const GameState& s, int mode, const std::vector<std::string>& pictures,
                         const std::vector<std::string>& event) {
    if (mode == 1)
        return std::string(kNewLine) + "<hr>" + PictureLine(s, pictures.front()) + "><hr>" + kNewLine +
               EventBlock(s, event);
    std::string block;
    for (const std::string& name : pictures)
        block += std::string(kNewLine) + "<hr>" + PictureLine(s, name) + ">" + kNewLine;
    return block;
}

// The pictures of the full album: every registered one whose name cannot
// reach outside the game's folders. The others are named once.
std::vector<std::string> SafePictures(Game& game) {
    std::vector<std::string> safe;
    std::string unsafe;
    for (const std::string& name : game.state.PictureRegister) {
        if (IsPlainName(name))
            safe.push_back(name);
        else
            unsafe += "「" + name + "」";
    }
    if (!unsafe.empty())
        game.Message("記憶絵" + unsafe + "は、名前にアルバムに使えない文字が含まれているため、アルバムに入れません。");
    return safe;
}

std::optional<std::vector<std::string>> ReadOrSay(Game& game, const std::string& path, const char* what) {
    auto lines = ReadLines(game.files, game.files.FreeFile(), path);
    if (!lines) game.Message(std::string(what) + "を読めないため、アルバムを制作できませんでした。\r\n" + path);
    return lines;
}

}  // namespace

bool WriteAlbum(Game& game, int mode) {
    const GameState& s = game.state;
    const std::string chosen = ChosenPicture(game);
    // The chosen picture names the page and the event text it reads.
    if (mode == 1 && !IsPlainName(chosen)) {
        game.Message("記憶絵の名前「" + chosen + "」には、アルバムに使えない文字が含まれています。");
        return false;
    }
    const auto layout = ReadOrSay(game, s.TxtFolder + "arub" + s.TextExt, "アルバムのひな形");
    if (!layout) return false;
    std::vector<std::string> event;
    if (mode == 1) {
        const auto lines = ReadOrSay(game, s.TxtFolder + chosen + s.TextExt, "イベントの文章");
        if (!lines) return false;
        event = *lines;
    }
    const std::vector<std::string> pictures = mode == 1 ? std::vector{chosen} : SafePictures(game);
    std::string page;
    for (const std::string& line : *layout) {
        const bool marker = line == kMarker;
        if (marker) page += PictureBlock(s, mode, pictures, event);
        page += kNewLine + (marker ? std::string() : line);
    }
    const std::string name = mode == 1 ? "アルバム「" + chosen + "」" : "アルバム";
    const std::string path = s.WriteFolder + name + ".html";
    if (!ReplaceFileLines(game.files, game.files.FreeFile(), path, {page})) {
        game.Message("アルバムを書き込めませんでした。\r\n" + path);
        return false;
    }
    return true;
}

void ComIvent_MouseUp(Game& game, int, int button) {
    const GameState& s = game.state;
    game.Message("アルバム制作します・OKを押して下さい。\r\nこの作業は時間がかかる場合があります。");
    if (!s.PicturesPresent || s.PictureRegister.empty()) {
        game.Message("写真が無いと、アルバムは制作できません");
        return;
    }
    const bool onePicture = !ChosenPicture(game).empty() && button == 2 && s.FacesPresent;
    if (WriteAlbum(game, onePicture ? 1 : 0))
        game.Message("アルバムを制作しました。\r\n" + s.WriteFolder + "の中を覗いてみて下さい");
}

}  // namespace qm
