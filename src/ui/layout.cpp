#include "ui/layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/game.h"
#include "pictures/picture_display.h"

namespace qm {
namespace {

constexpr Colour kGrey = Rgb(90, 90, 90);
constexpr Colour kEndingBack = Rgb(159, 127, 115);
constexpr Colour kEndingText = Rgb(236, 193, 176);

void Place(Control& c, double left, double top, double width, double height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
}

// A container: its place, the grid it gives its children, its background
// and border.
void PlacePanel(Control& c, double left, double top, double width, double height, Scale inner, Colour back,
                int border) {
    Place(c, left, top, width, height);
    c.scale = inner;
    c.backColor = back;
    c.borderStyle = border;
}

void Look(Control& c, double fontSize, Colour back, Colour fore) {
    c.fontSize = fontSize;
    c.backColor = back;
    c.foreColor = fore;
}

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

void PlaceTitleScreen(Form& f, int F) {
    const Colour white = f.Frm.foreColor, black = f.Frm.backColor;
    PlacePanel(f.PicStt, 0, 0, 16, 12, {0, 0, 100, 100}, black, 0);
    Place(f.LblStt, 50, 30, 50, 70);
    f.LblStt.fontSize = F;
    f.LblStt.foreColor = white;
    Place(f.LblTitle, 50, 0, 50, 20);
    f.LblTitle.fontSize = 5 * F;
    f.LblTitle.caption = "Quillmere";
    f.LblTitle.foreColor = white;
    Place(f.CountMaxLst, 85, 20, 15, 10);
    Look(f.CountMaxLst, F, f.LblStt.foreColor, black);
    Place(f.ComStt, 75, 20, 10, 5);
    Look(f.ComStt, F, white, f.ComStt.foreColor);
    Place(f.ComLoad, 65, 20, 10, 5);
    Look(f.ComLoad, F, white, f.ComLoad.foreColor);
}

void PlaceGameArea(Form& f, int F) {
    const Colour white = f.Frm.foreColor, black = f.Frm.backColor;
    PlacePanel(f.Pic, 0, 0, 16, 12, {0, 0, 16, 12}, black, 0);
    f.SendToBack(f.Pic);
    f.Pic.visible = true;

    Place(f.PicKao, 3, 2, 3, 3);
    f.PicKao.height = f.PicKao.width;

    Place(f.ComHelp, 6.5, 0.5, 6, 5);
    f.ComHelp.foreColor = white;
    f.ComHelp.fontSize = 0.8 * F;
    f.ComHelp.borderStyle = 1;

    Place(f.Lbl, 0, 7, 16, 5);
    f.Lbl.fontSize = F;
    f.Lbl.foreColor = white;
    f.Lbl.transparent = true;
    f.Lbl.borderStyle = 0;
    Place(f.LblName, 0, 6.5, 3, 0.5);
    f.LblName.fontSize = F;
    f.LblName.foreColor = f.Lbl.foreColor;
    f.LblName.transparent = true;
}

void PlaceCommandPanel(Form& f, int F) {
    const Colour white = f.Frm.foreColor, black = f.Frm.backColor;
    PlacePanel(f.GrpCom, 0, 0, 2, 2.5, {0, 0, 1, 8}, black, 0);
    Place(f.LblPC, 0, 0, 1, 1);
    Look(f.LblPC, F, black, white);
    f.LblPC.toolTip = "エンディングまでのポイントだよ";
    Place(f.OptHelp, 0, 1, 1, 1);
    Look(f.OptHelp, F, black, white);
    f.OptHelp.caption = "HELP !!!";
    f.OptHelp.toolTip = "ヘルプ状態にするよ";
    for (int i = 0; i < static_cast<int>(f.Com.size()); ++i) {
        Place(f.Com[i], 0, 2 + i, 1, 1);
        f.Com[i].backColor = white;
        f.Com[i].fontSize = static_cast<int>(F / 10.0 * 9);
    }
}

void PlacePictureViewer(Form& f, int F) {
    const Colour white = f.Frm.foreColor, black = f.Frm.backColor;
    PlacePanel(f.PicIvent, 10, 6, 3, 6, {0, 0, 1, 10}, black, 1);
    Place(f.LstIvent, 0, 0, 1, 7);
    Look(f.LstIvent, F, black, white);
    Place(f.LBlIvent, 0, 8, 1, 1);
    Look(f.LBlIvent, F, black, white);
    Place(f.ComIvent, 0, 9, 1, 1);
    Look(f.ComIvent, F, white, f.ComIvent.foreColor);
    f.ComIvent.caption = "アルバムを制作する";
}

void PlaceColourWorkshop(Form& f) {
    const Colour white = f.Frm.foreColor, black = f.Frm.backColor;
    // The right-hand column: as wide as the workshop, flush right.
    const double width = 3;
    PlacePanel(f.GrpColor, 16 - width, 0, width, 5, {0, 0, 3, 11}, black, 0);
    const char* const hints[] = {"３色違う色にしてね", "色を全て消しちゃうよ", "この３色で外出するよ"};
    for (int i = 0; i < 3; ++i) {
        Place(f.ColorPicSet[i], i, 1, 1, 1);
        f.ColorPicSet[i].toolTip = "１色１色が、妖精を呼び出す匂いになるよ";
        Place(f.ColorChk[i], i, 0, 1, 1);
        Look(f.ColorChk[i], f.LblPC.fontSize, white, black);
        f.ColorChk[i].caption = "固定";
        f.ColorChk[i].toolTip = "この下の色を固定するよ";
        Place(f.ColorScl[i], 0, 2 + i, 3, 1);
        Place(f.ColorCom[i], 0, 8 + i, 3, 1);
        f.ColorCom[i].backColor = white;
        f.ColorCom[i].fontSize = f.LblPC.fontSize;
        f.ColorCom[i].toolTip = hints[i];
    }
    Place(f.ColorPic, 0, 5, 3, 3);
    f.ColorPic.toolTip = "制作中の色だよ";
}

void PlaceEmotionPanel(Form& f, int F) {
    const Colour white = f.Frm.foreColor, black = f.Frm.backColor;
    PlacePanel(f.GrpKan, 16 - f.GrpColor.width, 5, f.GrpColor.width, 7, {0, 0, 3, 20}, kGrey, 0);
    Place(f.LstKan, 0, 0, 3, 5);
    Look(f.LstKan, F, f.GrpKan.backColor, white);
    f.LstKan.toolTip = "集めた感情綺だよ";
    for (int i = 0; i < 2; ++i) {
        Control& button = f.KanComSet[i];
        Place(button, 0, 5 + 7 * i, 3, 1);
        f.BringToFront(button);
        button.backColor = white;
        button.fontSize = F - 1;
        button.toolTip = "つくるー？";
    }
    Place(f.LstItem, 0, 6, 3, 5);
    Look(f.LstItem, F, kGrey, white);
    f.LstItem.toolTip = "混ぜ皿・ここにあるので、物を作るよ";
    for (int i = 0; i < 3; ++i) {
        Place(f.OptKan[i], i, 11, 1, 1);
        Look(f.OptKan[i], F - 1, white, black);
        f.OptKan[i].toolTip = "どの種族にするか選んでね";
    }
    Place(f.LstWorldItem[0], 0, 13, 3, 7);
    Look(f.LstWorldItem[0], F, kGrey, white);
    f.LstWorldItem[0].toolTip = "完成したものだよ";
}

void PlaceEnding(Form& f, int F) {
    Place(f.TxtEnd, 2.5, 2.5, 11, 6.5);
    Look(f.TxtEnd, F, kEndingBack, kEndingText);
    f.TxtEnd.borderStyle = 0;
    Place(f.ComEnd, 2.5, 9, 2, 1);
    f.ComEnd.caption = "最初ヘ戻る";
    Look(f.ComEnd, F, kEndingBack, f.ComEnd.foreColor);
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
    f.Frm.scale = {-0.3, -0.3, 16.6, 12.6};
    game.BaseFontSize = static_cast<std::int16_t>(static_cast<int>(f.Frm.height / 1000) + 2);
    const int F = game.BaseFontSize;
    f.Frm.backColor = kWindowColour;
    f.Frm.foreColor = kWindowTextColour;
    PlaceTitleScreen(f, F);
    PlaceGameArea(f, F);
    PlaceCommandPanel(f, F);
    PlacePictureViewer(f, F);
    PlaceColourWorkshop(f);
    PlaceEmotionPanel(f, F);
    PlaceEnding(f, F);
    ShowScene(game, "");
    ShowPicture(game, "");
    ShowFace(game, "");
    game.Project();
}

}  // namespace qm
