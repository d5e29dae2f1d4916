#pragma once
// The pop-up menu of a menu control, made from its items.

#include <QMenu>
#include <functional>

#include "ui/form.h"

namespace qm::qt {

// The visible items of `menu` in design order; a "-" caption is a
// separator. `choose` is called with the item the player picks.
QMenu* MakePopup(const Form& form, const Control& menu, QWidget* parent, const std::function<void(Control&)>& choose);

}  // namespace qm::qt
