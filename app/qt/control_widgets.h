#pragma once
// The widget that stands for a control of each kind on screen: how it is
// made, how it shows its control, and what the player's input on it asks
// of the game. The one place a new kind of control adds its widget.

#include <QWidget>

#include "ui/control.h"

namespace qm::qt {

class QtPictures;

// What the player does to a control's widget, passed on to the game.
class PlayerInput {
public:
    virtual void Click(Control& control) = 0;
    virtual void Scroll(Control& bar, int value) = 0;
    virtual void SetValue(Control& control, int value) = 0;
    virtual void SelectRow(Control& list, int row) = 0;

protected:
    ~PlayerInput() = default;
};

// Panel: PanelWidget. Label: ClickLabel. Button: CaptionButton. CheckBox
// and Option: a checkable CaptionButton. ScrollBar: a FocusScrollBar.
// List: ChoiceList. TextBox: a read-only QPlainTextEdit. Other kinds have
// no widget of their own: nullptr. The player's input on the widget goes
// to `input`.
QWidget* MakeWidget(Control& control, QWidget* parent, PlayerInput& input);

// Shows what is particular to the control's kind (its caption, value, rows,
// colours, picture) on the widget MakeWidget made for it.
void ShowOnWidget(QWidget& widget, const Control& control, const QtPictures& pictures);

}  // namespace qm::qt
