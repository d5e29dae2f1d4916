#pragma once
// The model of one control of the main window. The core changes these
// fields; a front end only mirrors them into real widgets.

#include <string>
#include <vector>

#include "core/colour.h"
#include "core/revised.h"

namespace qm {

class Game;

enum class Kind { Window, Panel, Buffer, List, Label, Button, CheckBox, Option, ScrollBar, TextBox, Timer, Menu };

// The logical coordinate system that a container gives its children.
// Unset (zero width) means children are placed in twips.
struct Scale {
    double left = 0, top = 0, width = 0, height = 0;
    bool IsSet() const { return width != 0 && height != 0; }
};

// What a control raises, installed by the feature that owns the control
// (each feature's Install function). A control without a handler for an
// event ignores it. The index is the control's own (-1 outside an array).
struct Handlers {
    void (*click)(Game&, int index) = nullptr;
    void (*change)(Game&, int index) = nullptr;  // a scroll bar's new value
    void (*scroll)(Game&, int index) = nullptr;  // a scroll bar's thumb dragged
    void (*mouseUp)(Game&, int index, int button) = nullptr;
    void (*timer)(Game&) = nullptr;
};

struct Control {
    std::string name;
    int index = -1;  // -1 for a control that is not part of an array
    Kind kind = Kind::Label;
    Control* container = nullptr;  // nullptr only for the window itself

    bool visible = true;
    bool enabled = true;  // for a timer: whether it ticks
    std::string caption;  // also the text of a text box
    std::string toolTip;
    int value = 0;  // check box 0/1, option 0/1, scroll bar position
    int min = 0, max = 0, smallChange = 1, largeChange = 1;
    // The rows change through SetList only, which moves listRevision: a
    // front end tells by it whether they changed, without comparing them.
    const std::vector<std::string>& Rows() const { return rows_; }
    Revision listRevision = NewRevision();
    int listIndex = -1;
    // The text of the chosen row; empty when no row is chosen.
    std::string ChosenText() const {
        return listIndex >= 0 && listIndex < static_cast<int>(rows_.size()) ? rows_[listIndex] : std::string();
    }
    Colour backColor = kBlack;
    Colour foreColor = kWhite;
    bool transparent = false;  // a label drawn straight over what lies beneath
    int borderStyle = 0;       // 0 none, 1 single line
    double fontSize = 9;
    bool serif = false;  // the title's Mincho face
    int interval = 0;    // timers, milliseconds

    // Position in the units of the container; the window itself in twips.
    double left = 0, top = 0, width = 0, height = 0;
    Scale scale;  // what this control gives its children
    int z = 0;    // stacking among siblings, higher is in front

    // A buffer: the name of the picture last loaded and its size in pixels.
    // A panel: the picture drawn on it and the buffer it was drawn from.
    std::string picture;
    int pictureWidth = 0, pictureHeight = 0;
    const Control* drawnFrom = nullptr;

    Handlers on;

    // `from` is the revision of the data the rows were drawn from, if any.
    void SetList(std::vector<std::string> rows, Revision from = NewRevision()) {
        rows_ = std::move(rows);
        listRevision = from;
    }

    // "Com(3)" for an array member, "PicStt" otherwise.
    std::string Key() const { return index < 0 ? name : name + "(" + std::to_string(index) + ")"; }

private:
    std::vector<std::string> rows_;
};

}  // namespace qm
