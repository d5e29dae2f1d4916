#pragma once
// Watches the windows that open over the game. A message box is read,
// printed as "MsgBox = TEXT" and answered with a click on its OK button,
// while the handler that opened it still waits inside the box's own event
// loop. A pop-up menu is announced as "Popup = NAME"; it is not modal and
// stays open for the script's next command.

#include <QDir>
#include <QObject>
#include <optional>
#include <ostream>

class QMessageBox;

namespace qm::window {

class DialogAnswerer : public QObject {
public:
    // Watches every window of the application from now on. With a folder,
    // each box is photographed there first, over the window behind it, as
    // box-1.png, box-2.png ...
    DialogAnswerer(std::ostream& out, std::optional<QDir> boxShots);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Answer(QMessageBox& box);
    void Photograph(const QMessageBox& box);

    std::ostream& out_;
    std::optional<QDir> boxShots_;
    int boxesShot_ = 0;
};

}  // namespace qm::window
