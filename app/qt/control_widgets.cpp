#include "control_widgets.h"

#include <QPlainTextEdit>

#include "caption_button.h"
#include "choice_list.h"
#include "click_label.h"
#include "focus_scroll_bar.h"
#include "panel_widget.h"

namespace qm::qt {
namespace {

QWidget* MakeOfKind(Kind kind, QWidget* parent) {
    switch (kind) {
        case Kind::Panel:
            return new PanelWidget(parent);
        case Kind::Label:
            return new ClickLabel(parent);
        case Kind::Button:
            return new CaptionButton(parent, false);
        case Kind::CheckBox:
        case Kind::Option:
            // The game draws its toggles in the push-button style.
            return new CaptionButton(parent, true);
        case Kind::ScrollBar:
            return new FocusScrollBar(parent);
        case Kind::List:
            return new ChoiceList(parent);
        case Kind::TextBox: {
            auto* text = new QPlainTextEdit(parent);
            text->setReadOnly(true);
            return text;
        }
        case Kind::Window:
        case Kind::Buffer:
        case Kind::Timer:
        case Kind::Menu:
            break;
    }
    return nullptr;
}

}  // namespace

QWidget* MakeWidget(const Control& control, QWidget* parent) {
    QWidget* widget = MakeOfKind(control.kind, parent);
    if (!widget) return nullptr;
    widget->setObjectName(QString::fromStdString(control.Key()));
    // A click belongs to the control under the mouse, never to its container.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    // The keyboard focus moves only by Tab: a control the player clicked
    // must not take the next Space or Enter for another click.
    if (widget->focusPolicy() != Qt::NoFocus) widget->setFocusPolicy(Qt::TabFocus);
    return widget;
}

}  // namespace qm::qt
