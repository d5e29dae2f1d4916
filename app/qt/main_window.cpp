#include "main_window.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTimer>

#include "close_request.h"
#include "game/events.h"
#include "game/game.h"
#include "game/lifecycle.h"
#include "game/window_size.h"
#include "model_look.h"
#include "popup_menu.h"
#include "qt_ports.h"

namespace qm::qt {
namespace {

// The game numbers the mouse buttons 1 (left) and 2 (right); 0 for others.
int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

MainWindow::MainWindow(Game& game, const QtPictures& pictures)
    : game_(game), stage_(new QWidget(this)), mirror_(game.form, game.ports.screen, pictures, look_) {
    setObjectName(QString::fromStdString(game.form.Frm.Key()));
    // The window itself holds the keyboard focus, from the first activation
    // on and again after every click, so that no control takes it but by
    // Tab; Qt would otherwise hand it to the first control that takes one.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    stage_->setObjectName("Stage");
    mirror_.AddWidget(game.form.Frm, *this);
    WatchMouse(game.form.Frm, *this);
    MakeWidgets();
    MakeSpeechKeys();
}

MainWindow::~MainWindow() { emit going(); }

bool MainWindow::Call(const std::function<void(Game&)>& call, const Control* touched) {
    if (touched) mirror_.Forget(*touched);
    if (inCall_) return false;
    {
        const QScopedValueRollback busy(inCall_, true);
        call(game_);
        if (closeWaiting_ && !game_.exitCode) Form_Unload(game_);
    }
    CopyModel();
    if (game_.exitCode) QCoreApplication::exit(*game_.exitCode);
    return true;
}

// At the mouse, where the player clicked; a menu opened with a key while
// the mouse is elsewhere opens over the window.
void MainWindow::ShowPopup(const Control* menu) {
    QMenu* popup = MakePopup(game_.form, *menu, this, [this](Control& item) { Click(item); });
    popup->setAttribute(Qt::WA_DeleteOnClose);
    emit popupOpening(popup);
    const QPoint mouse = QCursor::pos();
    popup->popup(rect().contains(mapFromGlobal(mouse)) ? mouse : FrameOnScreen().center());
}

void MainWindow::SetLook(const WindowLook& look) {
    if (look == look_) return;
    look_ = look;
    mirror_.Refresh();
    CopyModel();
}

QRect MainWindow::FrameOnScreen() const {
    if (!isFullScreen()) return {pos(), size()};
    return {stage_->mapToGlobal(QPoint(0, 0)), stage_->size()};
}

// A message box opens in the middle of a call: the window shows the game as
// it stands behind it.
void MainWindow::Attach(QtDialogs& dialogs) {
    connect(&dialogs, &QtDialogs::messageOpening, this, [this] { CopyModel(); });
    connect(&dialogs, &QtDialogs::popupRequested, this, &MainWindow::ShowPopup);
}

// Qt reports an activation each time the window gets the focus back, after
// every message box too; the game starts a fresh run on the first only.
void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Call(Form_Activate); }, Qt::QueuedConnection);
}

// Sizes that the copy of the model sets, or that the system confirms
// later, match the model and go no further: only the player's own resizing
// reaches the layout pass, which then reshapes the window.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceStage();
    const Control& frm = game_.form.Frm;
    const double twipsPerPixel = game_.ports.screen.TwipsPerPixel();
    if (mirroring_ || size() == PixelRectOf(frm, twipsPerPixel).size()) return;
    const double width = size().width() * twipsPerPixel, height = size().height() * twipsPerPixel;
    Call([width, height](Game& game) { ResizeWindow(game, width, height); }, &frm);
}

// Closing is never refused. While a handler is still running (a message
// box of its is open), shut-down waits for it to finish, so that the
// picture register is still written.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (Call(Form_Unload)) return event->accept();
    closeWaiting_ = true;
    event->ignore();
}

// Qt drops the window manager's close request for a window that a modal
// box blocks, so closeEvent never hears of it: it is caught here, before
// Qt drops it, and the handler's end shuts down.
bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr*) {
    QWidget* box = QApplication::activeModalWidget();
    if ((!inCall_ && !box) || !IsCloseRequest(eventType, message)) return false;
    if (inCall_) {
        closeWaiting_ = true;
    } else {
        // A box of the window's own (the settings) closes with it.
        box->close();
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto target = mouseTargets_.find(watched);
        const int button = ButtonNumber(static_cast<QMouseEvent*>(event)->button());
        if (target != mouseTargets_.end() && button != 0) {
            Control& control = *target->second;
            Call([&control, button](Game& game) { MouseUp(game, control, button); }, &control);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Design order puts every container before what it holds.
void MainWindow::MakeWidgets() {
    std::map<const Control*, QWidget*> widgets = {{&game_.form.Frm, stage_}};
    for (Control* control : game_.form.All()) {
        if (control->kind == Kind::Timer) MakeTimer(*control);
        if (control->kind == Kind::Menu) continue;  // its items live in the pop-up
        QWidget* widget = MakeWidget(*control, widgets.at(control->container), *this);
        if (!widget) continue;
        widgets[control] = widget;
        mirror_.AddWidget(*control, *widget);
        WatchMouse(*control, *widget);
    }
}

void MainWindow::MakeTimer(Control& timer) {
    auto* qtimer = new QTimer(this);
    qtimer->setObjectName(QString::fromStdString(timer.Key()));
    // A coarse timer may fire 5% early or late; the text is paced to the
    // millisecond.
    qtimer->setTimerType(Qt::PreciseTimer);
    connect(qtimer, &QTimer::timeout, this, [this, &timer] { Call([&timer](Game& game) { Tick(game, timer); }); });
    mirror_.AddTimer(timer, *qtimer);
}

// Space and Enter move the speech on, as a click on it does, while the
// player can see it.
void MainWindow::MakeSpeechKeys() {
    for (const int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this] { Click(game_.form.Lbl); });
        speechKeys_.push_back(shortcut);
    }
}

void MainWindow::WatchMouse(Control& control, QWidget& widget) {
    QWidget* surface = &widget;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget)) surface = area->viewport();
    surface->installEventFilter(this);
    mouseTargets_[surface] = &control;
}

void MainWindow::Click(Control& control) {
    Call([&control](Game& game) { qm::Click(game, control); }, &control);
}

void MainWindow::Scroll(Control& bar, int value) {
    Call([&bar, value](Game& game) { qm::Scroll(game, bar, value); }, &bar);
}

void MainWindow::SetValue(Control& control, int value) {
    Call([&control, value](Game& game) { qm::SetValue(game, control, value); }, &control);
}

void MainWindow::SelectRow(Control& list, int row) {
    Call([&list, row](Game& game) { qm::SelectRow(game, list, row); }, &list);
}

void MainWindow::CopyModel() {
    const QScopedValueRollback copying(mirroring_, true);
    mirror_.Apply();
    // The title screen covers the speech box, and the ending that start-up
    // begins waits behind it: the keys must not reach that.
    const bool speaking = ShownInModel(game_.form.Lbl) && !ShownInModel(game_.form.PicStt);
    for (QShortcut* key : speechKeys_) key->setEnabled(speaking);
    PlaceStage();
    emit modelShown();
}

// Full screen shows the game at the size the layout pass gave it, in the
// middle of the screen.
void MainWindow::PlaceStage() {
    QRect area = rect();
    if (isFullScreen()) {
        area = QRect(QPoint(0, 0), PixelRectOf(game_.form.Frm, game_.ports.screen.TwipsPerPixel()).size());
        area.moveCenter(rect().center());
    }
    if (stage_->geometry() != area) stage_->setGeometry(area);
}

}  // namespace qm::qt
