#include "mirror.h"

#include <QSignalBlocker>
#include <algorithm>

#include "accessible_names.h"
#include "click_label.h"
#include "control_widgets.h"
#include "core/ports.h"
#include "font_fit.h"
#include "model_look.h"
#include "panel_widget.h"
#include "qt_ports.h"

namespace qm::qt {
namespace {

Appearance AppearanceOf(const Control& c, double twipsPerPixel) {
    Appearance appearance;
    appearance.rect = PixelRectOf(c, twipsPerPixel);
    ShownFields(appearance) = ShownFields(c);
    return appearance;
}

void ShowCommon(QWidget& widget, const Control& c, const QRect& rect) {
    widget.setGeometry(rect);
    widget.setVisible(c.visible);
    widget.setEnabled(c.enabled);
    const QString tip = TextOf(c.toolTip);
    if (widget.toolTip() != tip) widget.setToolTip(tip);
    DescribeForScreenReaders(widget, c);
}

// Only a new place or size moves the window: the player may have moved it
// since, and the game recentres it itself when it needs to.
void ShowWindow(QWidget& window, const Control& frm, const Appearance& now, const std::optional<Appearance>& before) {
    window.setWindowTitle(TextOf(frm.caption));
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ColorOf(frm.backColor));
    window.setPalette(palette);
    // A full screen window keeps the screen; the game's area lies in it.
    if (window.isFullScreen() || (before && before->rect == now.rect)) return;
    window.move(now.rect.topLeft());
    window.resize(now.rect.size());
}

}  // namespace

Mirror::Mirror(const Form& form, const Screen& screen, const QtPictures& pictures, const WindowLook& look)
    : form_(form), screen_(screen), pictures_(pictures), look_(look) {}

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
        const bool ticking = Runs(*control, look_);
        const int interval = TickIntervalOf(form_, *control);
        if (timer->interval() != interval) timer->setInterval(interval);
        if (timer->isActive() != ticking) ticking ? timer->start() : timer->stop();
    }
}

void Mirror::Forget(const Control& control) {
    for (Shown& shown : widgets_)
        if (shown.control == &control) shown.appearance.reset();
}

void Mirror::Refresh() {
    for (Shown& shown : widgets_) shown.appearance.reset();
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
        const Control looked = AsShown(c, look_, screen_.TwipsPerPixel());
        ShowCommon(*shown.widget, looked, now.rect);
        ShowOnWidget(*shown.widget, looked, pictures_);
        if (auto* label = qobject_cast<ClickLabel*>(shown.widget)) label->SetBand(Banded(c, look_));
        // A shown widget is fitted from the copy in hand: a list's copy may
        // hold tens of thousands of rows, and one copy per change will do.
        shown.fontDue = !ShownInModel(c);
        if (!shown.fontDue) shown.widget->setFont(FittedFont(*shown.widget, looked));
    }
    shown.appearance = std::move(now);
}

// Fitting a font measures the text at one size after another, which loads
// glyphs: most of the game's widgets are hidden at start-up, and each gets
// its font when it first shows instead (a container shown, the widget's own
// fields unchanged).
void Mirror::ApplyFont(Shown& shown) {
    if (!shown.fontDue || !ShownInModel(*shown.control)) return;
    const QSignalBlocker blocker(shown.widget);
    shown.widget->setFont(FittedFont(*shown.widget, AsShown(*shown.control, look_, screen_.TwipsPerPixel())));
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
