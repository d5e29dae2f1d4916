#include "mirror_check.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "font_fit.h"
#include "json.h"
#include "main_window.h"
#include "model_look.h"

namespace qm::window {
namespace {

using headless::Json;

class Differences {
public:
    explicit Differences(const Control& control) : control_(control) {}

    template <class T>
    void Compare(const char* property, const T& model, const T& window) {
        if (!(model == window)) Add(property, Json(model), Json(window));
    }
    void Compare(const char* property, const QString& model, const QString& window) {
        Compare(property, model.toStdString(), window.toStdString());
    }
    void CompareColour(const char* property, Colour model, const QWidget& widget, QPalette::ColorRole role) {
        Compare(property, qt::ColorOf(model).name(), widget.palette().color(role).name());
    }
    void CompareRect(const QRect& model, const QRect& window) {
        const bool near = std::abs(model.left() - window.left()) <= 1 && std::abs(model.top() - window.top()) <= 1 &&
                          std::abs(model.width() - window.width()) <= 1 &&
                          std::abs(model.height() - window.height()) <= 1;
        if (!near) Add("Pixels", PixelsOf(model), PixelsOf(window));
    }

    std::vector<std::string> lines;

private:
    void Add(const char* property, const std::string& model, const std::string& window) {
        lines.push_back(control_.Key() + "." + property + ": model " + model + ", window " + window);
    }

    const Control& control_;
};

QStringList Rows(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
    return rows;
}

QStringList Rows(const Control& c) {
    QStringList rows;
    for (const std::string& row : c.Rows()) rows << qt::TextOf(row);
    return rows;
}

// The row shown chosen: the one selected, -1 for none, -2 for several.
int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty()) return -1;
    return selected.size() == 1 ? list.row(selected.front()) : -2;
}

void CompareKind(Differences& d, const Control& c, const QWidget& w) {
    switch (c.kind) {
        case Kind::Window:
            d.Compare("Caption", qt::TextOf(c.caption), w.windowTitle());
            d.CompareColour("BackColor", c.backColor, w, QPalette::Window);
            return;
        case Kind::Panel:
            d.CompareColour("BackColor", c.backColor, w, QPalette::Window);
            return;
        case Kind::Label:
            d.Compare("Caption", qt::TextOf(c.caption), static_cast<const QLabel&>(w).text());
            d.Compare("BackStyle", !c.transparent, w.autoFillBackground());
            d.CompareColour("BackColor", c.backColor, w, QPalette::Window);
            d.CompareColour("ForeColor", c.foreColor, w, QPalette::WindowText);
            return;
        case Kind::Button:
            d.Compare("Caption", qt::TextOf(c.caption), static_cast<const QAbstractButton&>(w).text());
            d.CompareColour("BackColor", c.backColor, w, QPalette::Button);
            return;
        case Kind::CheckBox:
        case Kind::Option:
            d.Compare("Caption", qt::TextOf(c.caption), static_cast<const QAbstractButton&>(w).text());
            d.Compare("Value", c.value == 1, static_cast<const QAbstractButton&>(w).isChecked());
            d.CompareColour("BackColor", c.backColor, w, QPalette::Button);
            d.CompareColour("ForeColor", c.foreColor, w, QPalette::ButtonText);
            return;
        case Kind::ScrollBar: {
            const auto& bar = static_cast<const QScrollBar&>(w);
            d.Compare("Value", c.value, bar.value());
            d.Compare("Min", c.min, bar.minimum());
            d.Compare("Max", c.max, bar.maximum());
            return;
        }
        case Kind::List: {
            const auto& list = static_cast<const QListWidget&>(w);
            d.Compare("List", Rows(c).join('\n'), Rows(list).join('\n'));
            d.Compare("ListIndex", c.listIndex, list.currentRow());
            d.Compare("Selected", std::max(c.listIndex, -1), SelectedRow(list));
            d.CompareColour("BackColor", c.backColor, w, QPalette::Base);
            d.CompareColour("ForeColor", c.foreColor, w, QPalette::Text);
            return;
        }
        case Kind::TextBox:
            d.Compare("Text", qt::TextOf(c.caption), static_cast<const QPlainTextEdit&>(w).toPlainText());
            d.CompareColour("BackColor", c.backColor, w, QPalette::Base);
            d.CompareColour("ForeColor", c.foreColor, w, QPalette::Text);
            return;
        case Kind::Buffer:
        case Kind::Timer:
        case Kind::Menu:
            return;
    }
}

void CompareWidget(Differences& d, const Control& c, const QWidget& w, double twipsPerPixel,
                   const qt::MainWindow& window) {
    const QRect model = qt::PixelRectOf(c, twipsPerPixel);
    if (c.kind == Kind::Window) {
        d.CompareRect(model, window.FrameOnScreen());
        d.Compare("Enabled", c.enabled, w.isEnabled());
    } else {
        d.Compare("Visible", qt::ShownInModel(c), w.isVisible());
        d.Compare("Enabled", c.enabled, w.isEnabledTo(w.parentWidget()));
        d.CompareRect(model, w.geometry());
        d.Compare("ToolTipText", qt::TextOf(c.toolTip), w.toolTip());
        // The window may draw a caption smaller than the game asks, as far
        // as it must to fit the widget whole; a hidden widget gets its font
        // when it shows.
        if (qt::ShownInModel(c)) d.Compare("FontSize", qt::FittedFont(w, c).pointSizeF(), w.font().pointSizeF());
    }
    CompareKind(d, c, w);
}

void CompareTimer(Differences& d, const Form& form, const Control& c, const QTimer& timer, const qt::WindowLook& look) {
    d.Compare("Enabled", qt::Runs(c, look), timer.isActive());
    d.Compare("Interval", qt::TickIntervalOf(form, c), timer.interval());
}

}  // namespace

std::string PixelsOf(const QRect& r) {
    return "[" + std::to_string(r.x()) + "," + std::to_string(r.y()) + "," + std::to_string(r.width()) + "," +
           std::to_string(r.height()) + "]";
}

ShownControls ShownControlsOf(const Form& form, QWidget& window) {
    ShownControls shown;
    shown.widgets[&form.Frm] = &window;
    for (const Control* control : form.All()) {
        const QString key = QString::fromStdString(control->Key());
        if (control->kind == Kind::Timer) {
            if (auto* timer = window.findChild<QTimer*>(key)) shown.timers[control] = timer;
        } else if (auto* widget = window.findChild<QWidget*>(key)) {
            shown.widgets[control] = widget;
        }
    }
    return shown;
}

std::vector<std::string> MirrorDifferences(const Form& form, const ShownControls& shown, double twipsPerPixel,
                                           const qt::MainWindow& window) {
    std::vector<std::string> lines;
    const auto add = [&lines](const Differences& d) { lines.insert(lines.end(), d.lines.begin(), d.lines.end()); };
    std::vector<const Control*> controls = {&form.Frm};
    controls.insert(controls.end(), form.All().begin(), form.All().end());
    for (const Control* c : controls) {
        Differences d(*c);
        if (const auto w = shown.widgets.find(c); w != shown.widgets.end())
            CompareWidget(d, qt::AsShown(*c, window.Look(), twipsPerPixel), *w->second, twipsPerPixel, window);
        if (const auto t = shown.timers.find(c); t != shown.timers.end())
            CompareTimer(d, form, *c, *t->second, window.Look());
        add(d);
    }
    return lines;
}

}  // namespace qm::window
