#pragma once
// What a screen reader says of each control: its caption as its name, or,
// for a control without one (a list, a scroll bar, a picture), what it is
// for; and its tool tip as its description.

#include <QWidget>

#include "ui/control.h"

namespace qm::qt {

QString AccessibleName(const Control& control);

void DescribeForScreenReaders(QWidget& widget, const Control& control);

}  // namespace qm::qt
