#include "pictures/picture_display.h"

#include <algorithm>

#include "core/game.h"
#include "ui/geometry.h"

namespace qm {
namespace {

bool CanOpen(Game& game, const std::string& path) {
    const int number = game.files.FreeFile();
    if (!game.files.OpenForInput(number, path)) return false;
    game.files.Close(number);
    return true;
}

void Clear(Control& box) {
    box.picture.clear();
    box.drawnFrom = nullptr;
}

// Loads folder + name + suffix into the buffer; an empty name keeps what
// the buffer holds.
bool Load(Game& game, Control& buffer, const std::string& folder, const std::string& name) {
    if (name.empty()) return true;
    const std::string path = folder + name + game.state.PictureExt;
    const auto size = game.ports.pictures.Load(buffer, path);
    if (!size) {
        game.Message("絵を読み込めませんでした。\r\n" + path);
        return false;
    }
    buffer.picture = name;
    buffer.pictureWidth = size->width;
    buffer.pictureHeight = size->height;
    return true;
}

// Draws the whole buffer stretched over the box; with nothing loaded there
// is nothing to draw, and that is not an error.
void Draw(Control& box, const Control& buffer) {
    if (buffer.picture.empty()) return;
    box.picture = buffer.picture;
    box.drawnFrom = &buffer;
}

// Sizes the box to the picture, shrunk to fit the game area with its shape
// kept but never enlarged, in the game area's top-left corner and in front.
void FitIntoGameArea(Game& game, Control& box, const Control& buffer) {
    Form& form = game.form;
    const double twipsPerPixel = game.ports.screen.TwipsPerPixel();
    const double width = buffer.pictureWidth * twipsPerPixel, height = buffer.pictureHeight * twipsPerPixel;
    const TwipsRect area = TwipsRectOf(form.Pic);
    const double kx = width >= area.width ? area.width / width : 1;
    const double ky = height >= area.height ? area.height / height : 1;
    const double k = std::min(kx, ky);
    box.width = WidthInUnits(form.Pic, k * width);
    box.height = HeightInUnits(form.Pic, k * height);
    box.left = form.Pic.scale.left;
    box.top = form.Pic.scale.top;
    form.BringToFront(box);
}

}  // namespace

void CheckPictureFolders(Game& game) {
    GameState& s = game.state;
    s.PicturesPresent = CanOpen(game, s.ImgFolder + "dmy");
    s.FacesPresent = CanOpen(game, s.FaceFolder + "dmy");
}

bool ShowScene(Game& game, const std::string& name) {
    Form& form = game.form;
    Clear(form.Pic);
    if (!game.state.PicturesPresent) return true;
    if (!Load(game, form.E, game.state.ImgFolder, name)) return false;
    Draw(form.Pic, form.E);
    return true;
}

// A box whose picture folder is missing is hidden and left so; any other
// is cleared for the picture to come.
bool ShowFace(Game& game, const std::string& name) {
    Form& form = game.form;
    if (!game.state.FacesPresent) {
        game.state.Speech.Page.Face = false;
        return true;
    }
    Clear(form.PicKao);
    if (!Load(game, form.Ekao, game.state.FaceFolder, name)) return false;
    Draw(form.PicKao, form.Ekao);
    return true;
}

bool ShowPicture(Game& game, const std::string& name) {
    Form& form = game.form;
    if (!game.state.PicturesPresent) {
        game.state.Shown.Photo = false;
        return true;
    }
    Clear(form.PicPhoto);
    if (!Load(game, form.EPhoto, game.state.ImgFolder, name)) return false;
    if (form.EPhoto.picture.empty()) return true;
    FitIntoGameArea(game, form.PicPhoto, form.EPhoto);
    Draw(form.PicPhoto, form.EPhoto);
    return true;
}

}  // namespace qm
