#include "popup_menu.h"

#include "model_look.h"

namespace qm::qt {

QMenu* MakePopup(const Form& form, const Control& menu, QWidget* parent, const std::function<void(Control&)>& choose) {
    auto* popup = new QMenu(parent);
    popup->setObjectName(QString::fromStdString(menu.Key()));
    for (Control* item : form.All()) {
        if (item->kind != Kind::Menu || item->container != &menu || !item->visible) continue;
        if (item->caption == "-") {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(TextOf(item->caption));
        action->setEnabled(item->enabled);
        QObject::connect(action, &QAction::triggered, popup, [item, choose] { choose(*item); });
    }
    return popup;
}

}  // namespace qm::qt
