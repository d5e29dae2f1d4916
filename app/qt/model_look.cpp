#include "model_look.h"

#include <algorithm>
#include <cmath>

#include "ui/geometry.h"

namespace qm::qt {

QColor ColorOf(Colour colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

QString TextOf(const std::string& text) {
    QString qtext = QString::fromStdString(text);
    qtext.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return qtext;
}

QFont FontOf(const Control& control) {
    QFont font;
    if (control.serif) {
        font.setFamilies({"IPAMincho", "IPAPMincho", "Noto Serif CJK JP"});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"});
        font.setStyleHint(QFont::SansSerif);
    }
    if (control.fontSize > 0) font.setPointSizeF(control.fontSize);
    return font;
}

QRect PixelRectOf(const Control& control, double twipsPerPixel) {
    const TwipsRect r = TwipsRectOf(control);
    const auto px = [twipsPerPixel](double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); };
    const int left = px(r.left), top = px(r.top);
    if (!control.container) return {left, top, px(r.width), px(r.height)};
    return {left, top, px(r.left + r.width) - left, px(r.top + r.height) - top};
}

bool ShownInModel(const Control& control) {
    for (const Control* c = &control; c; c = c->container)
        if (!c->visible) return false;
    return true;
}

int TickIntervalOf(const Form& form, const Control& timer) {
    constexpr int kTimerResolutionMs = 15;
    constexpr int kMusicPollMs = 100;
    return std::max(timer.interval, &timer == &form.BgmTim ? kMusicPollMs : kTimerResolutionMs);
}

}  // namespace qm::qt
