#pragma once
// The main window and every control on it, in design order. Handlers reach
// controls by member; the front ends reach them by name through Find.

#include <array>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace qm {

class Form {
public:
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Control Frm;

    Control PicStt, CountMaxLst, ComLoad, ComStt, LblTitle, LblStt;
    Control EPhoto, Ekao;
    Control Pic, BgmTim, PicPhoto;
    Control GrpKan, LstKan;
    std::array<Control, 2> KanComSet;
    Control LstItem;
    std::array<Control, 4> LstWorldItem;
    std::array<Control, 3> OptKan;
    Control GrpColor;
    std::array<Control, 3> ColorScl;
    Control ColorPic;
    std::array<Control, 3> ColorPicSet, ColorChk, ColorCom;
    Control PicKao, GrpCom, OptHelp;
    std::array<Control, 6> Com;
    Control LblPC, PicIvent, ComIvent, LstIvent, LBlIvent, ComHelp, Lbl, LblName, E, ComEnd, TxtEnd, TimSay;

    Control menu, menu_ver, menu_help, menu_s;
    std::array<Control, 2> menu_salo;
    Control menu_s2, menu_0;

    // index -1 names a control that is not part of an array.
    Control* Find(std::string_view name, int index = -1);
    // Every control but the window, in design order.
    const std::vector<Control*>& All() const { return all_; }
    // The children of one container, back to front as they are drawn.
    std::vector<Control*> StackOf(const Control& container) const;

    void BringToFront(Control& c) { c.z = ++front_; }
    void SendToBack(Control& c) { c.z = --back_; }
    // Grows with every change of the stacking order, so a front end can
    // tell that it has not changed.
    int StackingRevision() const { return front_ - back_; }

private:
    Control& Add(Control& c, std::string_view name, Kind kind, Control* container, bool visible, int index = -1);
    template <std::size_t N>
    void AddArray(std::array<Control, N>& row, std::string_view name, Kind kind, Control* container);

    std::vector<Control*> all_;
    int front_ = 0;
    int back_ = 0;
};

}  // namespace qm
