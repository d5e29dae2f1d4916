#include "control_widgets.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "choice_list.h"
#include "click_label.h"
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
            return new QPushButton(parent);
        case Kind::CheckBox:
        case Kind::Option: {
            // The game draws its toggles in the push-button style.
            auto* toggle = new QPushButton(parent);
            toggle->setCheckable(true);
            return toggle;
        }
        case Kind::ScrollBar:
            return new QScrollBar(Qt::Horizontal, parent);
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
    return widget;
}

}  // namespace qm::qt
