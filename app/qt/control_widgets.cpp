#include "control_widgets.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include "caption_button.h"
#include "choice_list.h"
#include "click_label.h"
#include "focus_scroll_bar.h"
#include "model_look.h"
#include "panel_widget.h"
#include "qt_ports.h"

namespace qm::qt {
namespace {

void SetColours(QWidget& widget, QPalette::ColorRole backRole, Colour back, QPalette::ColorRole foreRole, Colour fore) {
    QPalette palette = widget.palette();
    palette.setColor(backRole, ColorOf(back));
    palette.setColor(foreRole, ColorOf(fore));
    widget.setPalette(palette);
}

// Everything the window knows of one kind of widget.
struct WidgetKind {
    QWidget* (*make)(QWidget* parent);
    void (*show)(QWidget& widget, const Control& c, const QtPictures& pictures);
    void (*connect)(QWidget& widget, Control& c, PlayerInput& input);
};

// A click on the widget is a click on the control. A toggle flips or
// selects itself in the game; the copy of the model then sets its checked
// state.
template <class Widget, class Signal>
void ConnectClick(QWidget& widget, Control& c, PlayerInput& input, Signal clicked) {
    QObject::connect(static_cast<Widget*>(&widget), clicked, &widget, [&input, &c] { input.Click(c); });
}

const WidgetKind kPanel = {
    .make = [](QWidget* parent) -> QWidget* { return new PanelWidget(parent); },
    .show =
        [](QWidget& widget, const Control& c, const QtPictures& pictures) {
            auto& panel = static_cast<PanelWidget&>(widget);
            SetColours(panel, QPalette::Window, c.backColor, QPalette::WindowText, c.foreColor);
            panel.SetBorder(c.borderStyle == 1);
            panel.SetPicture(c.drawnFrom ? pictures.Find(*c.drawnFrom) : QPixmap());
        },
    .connect =
        [](QWidget& widget, Control& c, PlayerInput& input) {
            ConnectClick<PanelWidget>(widget, c, input, &PanelWidget::clicked);
        },
};

const WidgetKind kLabel = {
    .make = [](QWidget* parent) -> QWidget* { return new ClickLabel(parent); },
    .show =
        [](QWidget& widget, const Control& c, const QtPictures&) {
            auto& label = static_cast<ClickLabel&>(widget);
            label.setText(TextOf(c.caption));
            label.setAutoFillBackground(!c.transparent);
            SetColours(label, QPalette::Window, c.backColor, QPalette::WindowText, c.foreColor);
            label.setFrameStyle(c.borderStyle == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
            label.setMargin(c.borderStyle == 1 ? 2 : 0);  // text clear of the frame
        },
    .connect =
        [](QWidget& widget, Control& c, PlayerInput& input) {
            ConnectClick<ClickLabel>(widget, c, input, &ClickLabel::clicked);
        },
};

void ConnectButton(QWidget& widget, Control& c, PlayerInput& input) {
    ConnectClick<QAbstractButton>(widget, c, input, &QAbstractButton::clicked);
}

// A command button's text keeps the style's colour: the game gives its
// buttons a back colour only, and their fore colour was never shown.
const WidgetKind kButton = {
    .make = [](QWidget* parent) -> QWidget* { return new CaptionButton(parent, false); },
    .show =
        [](QWidget& widget, const Control& c, const QtPictures&) {
            auto& button = static_cast<QPushButton&>(widget);
            button.setText(TextOf(c.caption));
            QPalette palette = button.palette();
            palette.setColor(QPalette::Button, ColorOf(c.backColor));
            button.setPalette(palette);
        },
    .connect = ConnectButton,
};

// Check boxes and option buttons: the game draws its toggles in the
// push-button style.
const WidgetKind kToggle = {
    .make = [](QWidget* parent) -> QWidget* { return new CaptionButton(parent, true); },
    .show =
        [](QWidget& widget, const Control& c, const QtPictures&) {
            auto& toggle = static_cast<QPushButton&>(widget);
            toggle.setText(TextOf(c.caption));
            toggle.setChecked(c.value == 1);
            SetColours(toggle, QPalette::Button, c.backColor, QPalette::ButtonText, c.foreColor);
        },
    .connect = ConnectButton,
};

const WidgetKind kScrollBar = {
    .make = [](QWidget* parent) -> QWidget* { return new FocusScrollBar(parent); },
    .show =
        [](QWidget& widget, const Control& c, const QtPictures&) {
            auto& bar = static_cast<QScrollBar&>(widget);
            bar.setRange(c.min, c.max);
            bar.setSingleStep(c.smallChange);
            bar.setPageStep(c.largeChange);
            bar.setValue(c.value);
        },
    .connect =
        [](QWidget& widget, Control& c, PlayerInput& input) {
            auto* bar = static_cast<QScrollBar*>(&widget);
            QObject::connect(bar, &QScrollBar::sliderMoved, bar, [&input, &c](int value) { input.Scroll(c, value); });
            // While the thumb is dragged, sliderMoved has brought the value.
            QObject::connect(bar, &QScrollBar::valueChanged, bar, [&input, &c, bar](int value) {
                if (!bar->isSliderDown()) input.SetValue(c, value);
            });
        },
};

const WidgetKind kList = {
    .make = [](QWidget* parent) -> QWidget* { return new ChoiceList(parent); },
    .show =
        [](QWidget& widget, const Control& c, const QtPictures&) {
            auto& list = static_cast<ChoiceList&>(widget);
            QStringList rows;
            for (const std::string& row : c.Rows()) rows << TextOf(row);
            QStringList shown;
            for (int i = 0; i < list.count(); ++i) shown << list.item(i)->text();
            if (shown != rows) {
                list.clear();
                list.addItems(rows);
            }
            if (c.listIndex < 0) list.clearSelection();
            list.setCurrentRow(c.listIndex);
            SetColours(list, QPalette::Base, c.backColor, QPalette::Text, c.foreColor);
        },
    .connect =
        [](QWidget& widget, Control& c, PlayerInput& input) {
            auto* list = static_cast<ChoiceList*>(&widget);
            QObject::connect(list, &ChoiceList::rowChosen, list, [&input, &c](int row) { input.SelectRow(c, row); });
        },
};

const WidgetKind kTextBox = {
    .make =
        [](QWidget* parent) -> QWidget* {
            auto* text = new QPlainTextEdit(parent);
            text->setReadOnly(true);
            return text;
        },
    .show =
        [](QWidget& widget, const Control& c, const QtPictures&) {
            auto& box = static_cast<QPlainTextEdit&>(widget);
            const QString text = TextOf(c.caption);
            if (box.toPlainText() != text) box.setPlainText(text);
            SetColours(box, QPalette::Base, c.backColor, QPalette::Text, c.foreColor);
        },
    .connect = [](QWidget&, Control&, PlayerInput&) {},
};

const WidgetKind* WidgetKindOf(Kind kind) {
    switch (kind) {
        case Kind::Panel:
            return &kPanel;
        case Kind::Label:
            return &kLabel;
        case Kind::Button:
            return &kButton;
        case Kind::CheckBox:
        case Kind::Option:
            return &kToggle;
        case Kind::ScrollBar:
            return &kScrollBar;
        case Kind::List:
            return &kList;
        case Kind::TextBox:
            return &kTextBox;
        case Kind::Window:
        case Kind::Buffer:
        case Kind::Timer:
        case Kind::Menu:
            break;
    }
    return nullptr;
}

}  // namespace

QWidget* MakeWidget(Control& control, QWidget* parent, PlayerInput& input) {
    const WidgetKind* kind = WidgetKindOf(control.kind);
    if (!kind) return nullptr;
    QWidget* widget = kind->make(parent);
    widget->setObjectName(QString::fromStdString(control.Key()));
    // A click belongs to the control under the mouse, never to its container.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    // The keyboard focus moves only by Tab: a control the player clicked
    // must not take the next Space or Enter for another click.
    if (widget->focusPolicy() != Qt::NoFocus) widget->setFocusPolicy(Qt::TabFocus);
    kind->connect(*widget, control, input);
    return widget;
}

void ShowOnWidget(QWidget& widget, const Control& control, const QtPictures& pictures) {
    if (const WidgetKind* kind = WidgetKindOf(control.kind)) kind->show(widget, control, pictures);
}

}  // namespace qm::qt
