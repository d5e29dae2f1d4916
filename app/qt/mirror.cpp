#include "mirror.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "choice_list.h"
#include "click_label.h"
#include "core/ports.h"
#include "font_fit.h"
#include "model_look.h"
#include "panel_widget.h"
#include "qt_ports.h"

namespace qm::qt {
namespace {

Appearance AppearanceOf(const Control& c, double twipsPerPixel) {
    Appearance appearance{.rect = PixelRectOf(c, twipsPerPixel)};
    ShownFields(appearance) = ShownFields(c);
    return appearance;
}

void SetColours(QWidget& widget, QPalette::ColorRole backRole, Colour back, QPalette::ColorRole foreRole, Colour fore) {
    QPalette palette = widget.palette();
    palette.setColor(backRole, ColorOf(back));
    palette.setColor(foreRole, ColorOf(fore));
    widget.setPalette(palette);
}

void ShowPanel(PanelWidget& panel, const Control& c, const QtPictures& pictures) {
    SetColours(panel, QPalette::Window, c.backColor, QPalette::WindowText, c.foreColor);
    panel.SetBorder(c.borderStyle == 1);
    panel.SetPicture(c.drawnFrom ? pictures.Find(*c.drawnFrom) : QPixmap());
}

void ShowLabel(ClickLabel& label, const Control& c) {
    label.setText(TextOf(c.caption));
    label.setAutoFillBackground(!c.transparent);
    SetColours(label, QPalette::Window, c.backColor, QPalette::WindowText, c.foreColor);
    label.setFrameStyle(c.borderStyle == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    label.setMargin(c.borderStyle == 1 ? 2 : 0);  // text clear of the frame
}

// A command button's text keeps the style's colour: the game gives its
// buttons a back colour only, and their fore colour was never shown.
void ShowButton(QPushButton& button, const Control& c) {
    button.setText(TextOf(c.caption));
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, ColorOf(c.backColor));
    button.setPalette(palette);
}

void ShowToggle(QPushButton& toggle, const Control& c) {
    toggle.setText(TextOf(c.caption));
    toggle.setChecked(c.value == 1);
    SetColours(toggle, QPalette::Button, c.backColor, QPalette::ButtonText, c.foreColor);
}

void ShowScrollBar(QScrollBar& bar, const Control& c) {
    bar.setRange(c.min, c.max);
    bar.setSingleStep(c.smallChange);
    bar.setPageStep(c.largeChange);
    bar.setValue(c.value);
}

void ShowList(ChoiceList& list, const Control& c) {
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
}

void ShowTextBox(QPlainTextEdit& box, const Control& c) {
    const QString text = TextOf(c.caption);
    if (box.toPlainText() != text) box.setPlainText(text);
    SetColours(box, QPalette::Base, c.backColor, QPalette::Text, c.foreColor);
}

void ShowOfKind(QWidget& widget, const Control& c, const QtPictures& pictures) {
    switch (c.kind) {
        case Kind::Panel:
            return ShowPanel(static_cast<PanelWidget&>(widget), c, pictures);
        case Kind::Label:
            return ShowLabel(static_cast<ClickLabel&>(widget), c);
        case Kind::Button:
            return ShowButton(static_cast<QPushButton&>(widget), c);
        case Kind::CheckBox:
        case Kind::Option:
            return ShowToggle(static_cast<QPushButton&>(widget), c);
        case Kind::ScrollBar:
            return ShowScrollBar(static_cast<QScrollBar&>(widget), c);
        case Kind::List:
            return ShowList(static_cast<ChoiceList&>(widget), c);
        case Kind::TextBox:
            return ShowTextBox(static_cast<QPlainTextEdit&>(widget), c);
        case Kind::Window:
        case Kind::Buffer:
        case Kind::Timer:
        case Kind::Menu:
            return;
    }
}

void ShowCommon(QWidget& widget, const Control& c, const QRect& rect) {
    widget.setGeometry(rect);
    widget.setVisible(c.visible);
    widget.setEnabled(c.enabled);
    const QString tip = TextOf(c.toolTip);
    if (widget.toolTip() != tip) widget.setToolTip(tip);
}

// Only a new place or size moves the window: the player may have moved it
// since, and the game recentres it itself when it needs to.
void ShowWindow(QWidget& window, const Control& frm, const Appearance& now, const std::optional<Appearance>& before) {
    window.setWindowTitle(TextOf(frm.caption));
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ColorOf(frm.backColor));
    window.setPalette(palette);
    if (before && before->rect == now.rect) return;
    window.move(now.rect.topLeft());
    window.resize(now.rect.size());
}

}  // namespace

Mirror::Mirror(const Form& form, const Screen& screen, const QtPictures& pictures)
    : form_(form), screen_(screen), pictures_(pictures) {}

void Mirror::AddWidget(const Control& control, QWidget& widget) {
    widgets_.push_back({&control, &widget, {}});
    widgetOf_[&control] = &widget;
}

void Mirror::AddTimer(const Control& control, QTimer& timer) { timers_.emplace_back(&control, &timer); }

void Mirror::Apply() {
    for (Shown& shown : widgets_) {
        ApplyControl(shown);
        ApplyFont(shown);
    }
    if (stackingApplied_ != form_.StackingRevision()) {
        for (const Shown& shown : widgets_)
            if (shown.control->kind == Kind::Window || shown.control->kind == Kind::Panel)
                ApplyStacking(*shown.control);
        stackingApplied_ = form_.StackingRevision();
    }
    for (auto [control, timer] : timers_) {
        const bool ticking = control->enabled && control->interval > 0;
        const int interval = TickIntervalOf(form_, *control);
        if (timer->interval() != interval) timer->setInterval(interval);
        if (timer->isActive() != ticking) ticking ? timer->start() : timer->stop();
    }
}

void Mirror::Forget(const Control& control) {
    for (Shown& shown : widgets_)
        if (shown.control == &control) shown.appearance.reset();
}

void Mirror::ApplyControl(Shown& shown) {
    const Control& c = *shown.control;
    const QRect rect = PixelRectOf(c, screen_.TwipsPerPixel());
    if (shown.appearance && shown.appearance->rect == rect && ShownFields(*shown.appearance) == ShownFields(c)) return;
    Appearance now = AppearanceOf(c, screen_.TwipsPerPixel());
    const QSignalBlocker blocker(shown.widget);
    if (c.kind == Kind::Window) {
        ShowWindow(*shown.widget, c, now, shown.appearance);
    } else {
        ShowCommon(*shown.widget, c, now.rect);
        ShowOfKind(*shown.widget, c, pictures_);
        shown.fontDue = true;
    }
    shown.appearance = std::move(now);
}

// Fitting a font measures the text at one size after another, which loads
// glyphs: most of the game's widgets are hidden at start-up, and each gets
// its font when it first shows instead.
void Mirror::ApplyFont(Shown& shown) {
    if (!shown.fontDue || !ShownInModel(*shown.control)) return;
    const QSignalBlocker blocker(shown.widget);
    shown.widget->setFont(FittedFont(*shown.widget, *shown.control));
    shown.fontDue = false;
}

void Mirror::ApplyStacking(const Control& container) {
    std::vector<QWidget*> order;
    for (const Control* child : form_.StackOf(container))
        if (const auto it = widgetOf_.find(child); it != widgetOf_.end()) order.push_back(it->second);
    std::vector<QWidget*>& applied = stacks_[&container];
    if (order == applied) return;
    for (QWidget* widget : order) widget->raise();
    if (auto* panel = qobject_cast<PanelWidget*>(widgetOf_.at(&container))) panel->RaiseBorder();
    applied = std::move(order);
}

}  // namespace qm::qt
