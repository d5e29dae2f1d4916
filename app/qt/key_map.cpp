#include "key_map.h"

#include <QShortcut>
#include <QWidget>

namespace qm::qt {
namespace {

void Bind(QWidget& window, QObject& owner, QKeySequence key, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(key, &window);
    QObject::connect(shortcut, &QShortcut::activated, &owner, action);
}

}  // namespace

void BindKeys(QWidget& window, QObject& owner, const KeyActions& a) {
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F11), QKeySequence(Qt::ALT | Qt::Key_Return),
                                   QKeySequence(Qt::ALT | Qt::Key_Enter)})
        Bind(window, owner, key, a.fullScreen);
    Bind(window, owner, Qt::Key_F2, a.settings);
    Bind(window, owner, Qt::Key_M, a.mute);
    Bind(window, owner, Qt::Key_A, a.autoMode);
    Bind(window, owner, Qt::Key_H, a.hideText);
    Bind(window, owner, Qt::Key_PageUp, a.history);
    Bind(window, owner, Qt::Key_L, a.history);
    Bind(window, owner, Qt::Key_Escape, a.menu);
    for (int i = 0; i < 6; ++i) Bind(window, owner, Qt::Key_1 + i, [command = a.command, i] { command(i); });
}

}  // namespace qm::qt
