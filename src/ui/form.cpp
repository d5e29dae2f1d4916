#include "ui/form.h"

#include <algorithm>

namespace qm {

Form::Form() {
    Frm.name = "Frm";
    Frm.kind = Kind::Window;
    Frm.caption = "Quillmere";

    Add(PicStt, "PicStt", Kind::Panel, &Frm, false);
    Add(CountMaxLst, "CountMaxLst", Kind::List, &PicStt, true);
    Add(ComLoad, "ComLoad", Kind::Button, &PicStt, true).caption = "Load";
    Add(ComStt, "ComStt", Kind::Button, &PicStt, true).caption = "Start";
    Add(LblTitle, "LblTitle", Kind::Label, &PicStt, true).serif = true;
    Add(LblStt, "LblStt", Kind::Label, &PicStt, true);
    Add(EPhoto, "EPhoto", Kind::Buffer, &Frm, false);
    Add(Ekao, "Ekao", Kind::Buffer, &Frm, false);
    Add(Pic, "Pic", Kind::Panel, &Frm, false);
    Add(BgmTim, "BgmTim", Kind::Timer, &Pic, true).interval = 1;
    Add(PicPhoto, "PicPhoto", Kind::Panel, &Pic, false);
    Add(GrpKan, "GrpKan", Kind::Panel, &Pic, false);
    Add(LstKan, "LstKan", Kind::List, &GrpKan, true);
    AddArray(KanComSet, "KanComSet", Kind::Button, &GrpKan);
    Add(LstItem, "LstItem", Kind::List, &GrpKan, true);
    AddArray(LstWorldItem, "LstWorldItem", Kind::List, &GrpKan);
    for (int i = 1; i < 4; ++i) LstWorldItem[i].visible = false;
    AddArray(OptKan, "OptKan", Kind::Option, &GrpKan);
    OptKan[0].value = 1;
    OptKan[0].caption = "生物";
    OptKan[1].caption = "植物";
    OptKan[2].caption = "鉱物";
    Add(GrpColor, "GrpColor", Kind::Panel, &Pic, false);
    AddArray(ColorScl, "ColorScl", Kind::ScrollBar, &GrpColor);
    for (Control& bar : ColorScl) {
        bar.min = 1;
        bar.max = 255;
        bar.smallChange = 1;
        bar.largeChange = 10;
        bar.value = 1;
    }
    Add(ColorPic, "ColorPic", Kind::Panel, &GrpColor, true);
    AddArray(ColorPicSet, "ColorPicSet", Kind::Panel, &GrpColor);
    AddArray(ColorChk, "ColorChk", Kind::CheckBox, &GrpColor);
    AddArray(ColorCom, "ColorCom", Kind::Button, &GrpColor);
    Add(PicKao, "PicKao", Kind::Panel, &Pic, false);
    Add(GrpCom, "GrpCom", Kind::Panel, &Pic, false);
    Add(OptHelp, "OptHelp", Kind::CheckBox, &GrpCom, true);
    AddArray(Com, "Com", Kind::Button, &GrpCom);
    Add(LblPC, "LblPC", Kind::Label, &GrpCom, true);
    Add(PicIvent, "PicIvent", Kind::Panel, &Pic, false);
    Add(ComIvent, "ComIvent", Kind::Button, &PicIvent, true);
    Add(LstIvent, "LstIvent", Kind::List, &PicIvent, true);
    Add(LBlIvent, "LBlIvent", Kind::Label, &PicIvent, true);
    // Covered by the title screen until a game hides it.
    Add(ComHelp, "ComHelp", Kind::Label, &Pic, true);
    Add(Lbl, "Lbl", Kind::Label, &Pic, false);
    Add(LblName, "LblName", Kind::Label, &Pic, false);
    Add(E, "E", Kind::Buffer, &Frm, false);
    Add(ComEnd, "ComEnd", Kind::Button, &Frm, false);
    Add(TxtEnd, "TxtEnd", Kind::TextBox, &Frm, false);
    Add(TimSay, "TimSay", Kind::Timer, &Frm, true).interval = 100;
    TimSay.enabled = false;

    Add(menu, "menu", Kind::Menu, &Frm, true).caption = "menu";
    Add(menu_ver, "menu_ver", Kind::Menu, &menu, true).caption = "VER";
    Add(menu_help, "menu_help", Kind::Menu, &menu, true).caption = "HELP（通し）";
    Add(menu_s, "menu_s", Kind::Menu, &menu, true).caption = "-";
    AddArray(menu_salo, "menu_salo", Kind::Menu, &menu);
    menu_salo[0].caption = "ＳＡＶＥ";
    menu_salo[1].caption = "LOAD";
    Add(menu_s2, "menu_s2", Kind::Menu, &menu, true).caption = "-";
    Add(menu_0, "menu_0", Kind::Menu, &menu, true).caption = "初期化";
}

Control& Form::Add(Control& c, std::string_view name, Kind kind, Control* container, bool visible, int index) {
    c.name = name;
    c.kind = kind;
    c.container = container;
    c.visible = visible;
    c.index = index;
    c.z = ++front_;  // later controls of the design lie in front of earlier ones
    all_.push_back(&c);
    return c;
}

template <std::size_t N>
void Form::AddArray(std::array<Control, N>& row, std::string_view name, Kind kind, Control* container) {
    for (std::size_t i = 0; i < N; ++i) Add(row[i], name, kind, container, true, static_cast<int>(i));
}

Control* Form::Find(std::string_view name, int index) {
    if (name == "Frm") return index < 0 ? &Frm : nullptr;
    for (Control* c : all_)
        if (c->name == name && c->index == index) return c;
    return nullptr;
}

std::vector<Control*> Form::StackOf(const Control& container) const {
    std::vector<Control*> children;
    for (Control* c : all_)
        if (c->container == &container && c->kind != Kind::Menu) children.push_back(c);
    // Labels are painted on their container's own surface, beneath every
    // panel, list and button that shares it.
    std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
        const bool la = a->kind == Kind::Label, lb = b->kind == Kind::Label;
        if (la != lb) return la;
        return a->z < b->z;
    });
    return children;
}

}  // namespace qm
