#pragma once
// Whether the window shows the model: every widget against its control
// (shown, enabled, caption or text, value, rows and chosen row, place and
// size to within a pixel, colours, font size as fitted, tool tip) and every timer
// against its control, as the window's look has them. Each difference is
// one line,
// "NAME.PROP: model VALUE, window VALUE".

#include <QTimer>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "ui/form.h"

namespace qm::qt {
class MainWindow;
}

namespace qm::window {

struct ShownControls {
    std::map<const Control*, QWidget*> widgets;  // the window itself for Frm
    std::map<const Control*, QTimer*> timers;
};

// The widgets and timers the window made for the form's controls, found by
// their names.
ShownControls ShownControlsOf(const Form& form, QWidget& window);

// A rectangle as the driver prints it: [x,y,w,h].
std::string PixelsOf(const QRect& r);

// Each control as the window's look has it (see qt::AsShown), the model's
// window where the window shows it (in full screen, the game's area).
std::vector<std::string> MirrorDifferences(const Form& form, const ShownControls& shown, double twipsPerPixel,
                                           const qt::MainWindow& window);

}  // namespace qm::window
