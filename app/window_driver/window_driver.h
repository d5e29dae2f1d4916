#pragma once
// quillmere-window-driver: plays a script in the game's real window, on the
// display it is given, with a player's input: clicks and keys at points of
// the screen, real message boxes answered with a click, the window manager
// asked to resize and close. It prints what quillmere-headless prints for
// the same script, and after every command each difference between the
// window and the model as "Mirror = ...".

#include <QDir>
#include <QPoint>
#include <QTemporaryDir>
#include <QtGlobal>
#include <memory>

#include "dialog_answerer.h"
#include "held_timers.h"
#include "mirror_check.h"
#include "qt_ports.h"
#include "qt_storage.h"
#include "script_driver.h"
#include "settler.h"

class QScrollBar;
class QWindow;

namespace qm::qt {
class Comforts;
class MainWindow;
}

namespace qm::window {

class WindowDriver : public headless::ScriptDriver {
public:
    // boxShots: see DialogAnswerer.
    WindowDriver(const std::string& gameDir, std::ostream& out, std::optional<QDir> boxShots = std::nullopt);
    ~WindowDriver() override;

    // Needs a QApplication on an X display.
    int Run(std::istream& script, std::ostream& err) override;

private:
    void Start() override;
    void Stop() override;
    void Click(Control& control) override;
    void Choose(Control& item) override;
    void Select(Control& list, int row) override;
    void Set(Control& bar, int value, bool drag) override;
    void MouseUp(Control& control, int button) override;
    void Tick(Control& timer) override;
    void Resize(int heightTwips) override;
    Dialogs& DialogsPort() override { return dialogs_; }
    Pictures& PicturesPort() override { return pictures_; }
    Storage& StoragePort() override { return storage_; }
    bool ExtraCommand(const Words& words) override;
    std::optional<std::string> ExtraProperty(const Control& control, const std::string& property) override;
    std::optional<std::string> OwnProperty(const std::string& name, const std::string& property) override;
    bool TickOwnTimer(const std::string& name, int count) override;
    void AfterCommand(int number) override;

    void KeyCommand(const std::string& command, const std::string& name);
    void ShotCommand(const std::string& file);
    void WheelCommand(const std::string& name, int notches);

    QWidget& WidgetOf(const Control& control);
    QWindow& Window();
    QWindow& WindowToClick();
    // Clicks `point` as the player aims at `control`, saying first when the
    // click cannot reach it.
    void ClickFor(const Control& control, QWidget& widget, QPoint point, Qt::MouseButton button = Qt::LeftButton);
    bool SayIfUnreachable(const Control& control, const QWidget& widget, QPoint point);
    QPoint RowInSight(QWidget& list, int row);
    void DragThumb(QScrollBar& bar, int value);
    void StepTo(QScrollBar& bar, int value);
    void DismissPopup();
    void CheckDisplayHoldsScreen() const;

    qt::QtDialogs dialogs_;
    qt::QtPictures pictures_;
    qt::QtStorage storage_;
    DialogAnswerer answerer_;
    Settler settler_;
    HeldTimers timers_;
    ShownControls shown_;
    std::unique_ptr<qt::MainWindow> window_;
    qt::Comforts* comforts_ = nullptr;  // the window's own
    // The player's settings, private to this run of the driver: no run
    // sees another's, and a load after an unload finds what it left.
    QTemporaryDir config_;
    std::ostream* err_ = nullptr;
    bool ended_ = false;
};

}  // namespace qm::window
