#pragma once
// Copies the model into the widgets and timers. A widget is touched only
// when what it shows of its control has changed since the last copy, and a
// list's rows are compared by their revision, never row by row: a copy
// after a call that changed nothing costs a glance at each control's small
// fields, whatever the size of the game's lists.

#include <QRect>
#include <QTimer>
#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "ui/form.h"
#include "window_look.h"

namespace qm {
class Screen;
}

namespace qm::qt {

class QtPictures;

// Everything of a control that its widget shows.
struct Appearance {
    QRect rect;
    bool visible = true, enabled = true;
    std::string caption, toolTip;
    int value = 0, min = 0, max = 0, smallChange = 1, largeChange = 1;
    Revision listRevision = 0;
    int listIndex = -1;
    Colour backColor = 0, foreColor = 0;
    bool transparent = false;
    int borderStyle = 0;
    double fontSize = 0;
    bool serif = false;
    const Control* drawnFrom = nullptr;
    std::string picture;

    bool operator==(const Appearance&) const = default;
};

// What a control and its last shown appearance must agree on, apart from
// the rect, which the control holds in twips. Both name these alike, so the
// control is compared in place, without a copy, on every tick, and copied
// by the same list when it changed.
template <class T>
auto ShownFields(T& x) {
    return std::tie(x.visible, x.enabled, x.caption, x.toolTip, x.value, x.min, x.max, x.smallChange, x.largeChange,
                    x.listRevision, x.listIndex, x.backColor, x.foreColor, x.transparent, x.borderStyle, x.fontSize,
                    x.serif, x.drawnFrom, x.picture);
}

class Mirror {
public:
    // Every control is shown as `look` has it (see AsShown).
    Mirror(const Form& form, const Screen& screen, const QtPictures& pictures, const WindowLook& look);

    // widget must have been made for the control's kind (see MakeWidget).
    void AddWidget(const Control& control, QWidget& widget);
    void AddTimer(const Control& control, QTimer& timer);

    // Signals of the widgets are blocked meanwhile: nothing the copy
    // changes reaches the game as a player's action.
    void Apply();

    // The player changed this control's widget; the next copy puts the
    // model back on it even if the model did not change.
    void Forget(const Control& control);
    // The look changed: the next copy shows every control afresh.
    void Refresh();

private:
    struct Shown {
        const Control* control;
        QWidget* widget;
        std::optional<Appearance> appearance;
        bool fontDue = false;  // fitted once the player can see the widget
    };

    void ApplyControl(Shown& shown);
    void ApplyFont(Shown& shown);
    void ApplyStacking(const Control& container);

    const Form& form_;
    const Screen& screen_;
    const QtPictures& pictures_;
    const WindowLook& look_;
    std::vector<Shown> widgets_;
    std::map<const Control*, QWidget*> widgetOf_;
    std::vector<std::pair<const Control*, QTimer*>> timers_;
    std::map<const Control*, std::vector<QWidget*>> stacks_;
    std::optional<int> stackingApplied_;
};

}  // namespace qm::qt
