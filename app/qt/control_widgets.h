#pragma once
// The widget that stands for a control of each kind on screen.

#include <QWidget>

#include "ui/control.h"

namespace qm::qt {

// Panel: PanelWidget. Label: ClickLabel. Button: CaptionButton. CheckBox
// and Option: a checkable CaptionButton. ScrollBar: a FocusScrollBar.
// List: ChoiceList. TextBox: a read-only QPlainTextEdit. Other kinds have
// no widget of their own: nullptr.
QWidget* MakeWidget(const Control& control, QWidget* parent);

}  // namespace qm::qt
