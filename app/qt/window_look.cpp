#include "window_look.h"

#include <QFontMetricsF>
#include <algorithm>
#include <string_view>

#include "contrast.h"
#include "model_look.h"

namespace qm::qt {
namespace {

// A page of speech: an empty first row and at most eleven lines.
constexpr int kPageRows = 12;

bool IsSpeech(const Control& c) { return c.name == "Lbl" || c.name == "LblName" || c.name == "PicKao"; }

// The speech text grows no further than a full page fits its label at,
// so that a page does not shrink as its lines come in.
double SpeechScale(const Control& label, double scale, double twipsPerPixel) {
    QFont font = FontOf(label);
    font.setPointSizeF(label.fontSize * scale);
    const double rows = QFontMetricsF(font).lineSpacing() * kPageRows;
    const double room = PixelRectOf(label, twipsPerPixel).height();
    if (rows <= room) return scale;
    return std::max(1.0, scale * room / rows);
}

void RaiseContrast(Control& c) {
    switch (c.kind) {
        case Kind::Label:
            if (c.transparent) return;  // Banded
            [[fallthrough]];
        case Kind::List:
        case Kind::TextBox:
        case Kind::CheckBox:
        case Kind::Option: {
            const ColourPair pair = WithContrast({c.backColor, c.foreColor}, kHighContrast);
            c.backColor = pair.back;
            c.foreColor = pair.fore;
            return;
        }
        case Kind::Button:
            // A button's caption keeps the style's dark text.
            c.backColor = WithContrast({c.backColor, kBlack}, kHighContrast, true).back;
            return;
        default:
            return;
    }
}

}  // namespace

Control AsShown(const Control& control, const WindowLook& look, double twipsPerPixel) {
    Control shown = control;
    if (look.textHidden && IsSpeech(control)) shown.visible = false;
    if (look.textScale != 1) {
        const double scale = control.name == "Lbl" ? SpeechScale(control, look.textScale, twipsPerPixel) : look.textScale;
        shown.fontSize = control.fontSize * scale;
    }
    if (look.highContrast) RaiseContrast(shown);
    return shown;
}

bool Runs(const Control& timer, const WindowLook& look) {
    return timer.enabled && timer.interval > 0 && !(look.eventHeld && timer.name == "TimSay");
}

bool Banded(const Control& label, const WindowLook& look) {
    return look.highContrast && label.kind == Kind::Label && label.transparent;
}

}  // namespace qm::qt
