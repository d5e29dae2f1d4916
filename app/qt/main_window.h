#pragma once
// The game's one window: a widget for each control, kept a copy of the
// model, and the single door through which the player's actions and the
// timers' ticks reach the game.

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "control_widgets.h"
#include "mirror.h"

class QShortcut;

namespace qm {
class Game;
}

namespace qm::qt {

class QtDialogs;
class QtPictures;

class MainWindow : public QWidget, private PlayerInput {
    Q_OBJECT
public:
    MainWindow(Game& game, const QtPictures& pictures);

    // Runs one call into the game, unless another is still running (a
    // message box's event loop keeps delivering ticks and clicks, and the
    // game must not see them): such a call is dropped and false returned.
    // Afterwards the model is copied onto the widgets, and the program
    // ends if the game ended itself. `touched` is the control whose widget
    // the player changed, if any; it shows the model again either way.
    bool Call(const std::function<void(Game&)>& call, const Control* touched = nullptr);

    // The pop-up menu opens without waiting, so the handler that asked for
    // it has returned by the time the player picks an item.
    void ShowPopup(const qm::Control* menu);

    // Binds the message boxes and the pop-up menu of the game to this window.
    void Attach(QtDialogs& dialogs);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeWidgets();
    void MakeTimer(Control& timer);
    void MakeSpeechKeys();
    void WatchMouse(Control& control, QWidget& widget);
    void Click(Control& control) override;
    void Scroll(Control& bar, int value) override;
    void SetValue(Control& control, int value) override;
    void SelectRow(Control& list, int row) override;
    void CopyModel();

    Game& game_;
    Mirror mirror_;
    bool inCall_ = false;
    bool mirroring_ = false;
    bool shownBefore_ = false;
    bool closeWaiting_ = false;
    std::map<const QObject*, Control*> mouseTargets_;
    std::vector<QShortcut*> speechKeys_;
};

}  // namespace qm::qt
