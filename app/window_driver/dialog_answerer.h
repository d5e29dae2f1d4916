#pragma once
// Watches the windows that open over the game. A message box is read,
// printed as "MsgBox = TEXT" and answered with a click on its OK button,
// while the handler that opened it still waits inside the box's own event
// loop. A pop-up menu is announced as "Popup = NAME"; it is not modal and
// stays open for the script's next command.

#include <QObject>
#include <ostream>

class QMessageBox;

namespace qm::window {

class DialogAnswerer : public QObject {
public:
    // Watches every window of the application from now on.
    explicit DialogAnswerer(std::ostream& out);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Answer(QMessageBox& box);

    std::ostream& out_;
};

}  // namespace qm::window
