#include "game/window_size.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "game/game.h"
#include "pictures/picture_display.h"
#include "ui/layout.h"

namespace qm {
namespace {

// 4:3, centred on the screen. A window taller or wider than the screen has
// room for takes the largest height that fits, so that no part of the game
// lies off screen. A width past the 16-bit range is not set.
void ShapeWindow(Game& game) {
    Control& w = game.form.Frm;
    const Screen& screen = game.ports.screen;
    double height = std::min<double>(w.height, screen.AvailableHeightTwips());
    double r = std::nearbyint(height / 6);  // halves go to the even neighbour
    if (8 * r > screen.AvailableWidthTwips()) {
        r = std::floor(screen.AvailableWidthTwips() / 8.0);
        height = 6 * r;
    }
    const double width = 8 * r;
    if (width > std::numeric_limits<std::int16_t>::max()) {
        ResizeWindow(game, w.width, height);  // the product overflows: the width and the centring are skipped
        return;
    }
    ResizeWindow(game, width, height);
    w.left = (screen.WidthTwips() - w.width) / 2;
    w.top = (screen.HeightTwips() - w.height) / 2;
}

}  // namespace

void ResizeWindow(Game& game, double width, double height) {
    Control& w = game.form.Frm;
    if (w.width == width && w.height == height) return;
    w.width = width;
    w.height = height;
    Form_Resize(game);
}

void Form_Resize(Game& game) {
    Form& f = game.form;
    ShapeWindow(game);
    if (f.Frm.height < 800) return game.Project();
    game.BaseFontSize = LayOutControls(f);
    ShowScene(game, "");
    ShowPicture(game, "");
    ShowFace(game, "");
    game.Project();
}

}  // namespace qm
