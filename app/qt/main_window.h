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

class QMenu;
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
    ~MainWindow() override;

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

    // What the window shows over the model (see WindowLook); a new look is
    // shown at once.
    const WindowLook& Look() const { return look_; }
    void SetLook(const WindowLook& look);

    // The game's area: the whole inside of the window, or in full screen
    // the model's 4:3 window, centred, with black bars beside it.
    QWidget& Stage() const { return *stage_; }
    // Where the model's window lies on the screen: the window itself, or in
    // full screen the game's area in it.
    QRect FrameOnScreen() const;

signals:
    // The model has been copied onto the widgets.
    void modelShown();
    // The pop-up menu is made and about to open; items may be added to it.
    void popupOpening(QMenu* popup);
    // The window is being destroyed. Its widgets still stand, and taking
    // them down sends events (the focus leaving, for one), but from now on
    // nothing may ask the window itself.
    void going();

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
    void PlaceStage();

    Game& game_;
    WindowLook look_;
    QWidget* stage_;
    Mirror mirror_;
    bool inCall_ = false;
    bool mirroring_ = false;
    bool shownBefore_ = false;
    bool closeWaiting_ = false;
    std::map<const QObject*, Control*> mouseTargets_;
    std::vector<QShortcut*> speechKeys_;
};

}  // namespace qm::qt
