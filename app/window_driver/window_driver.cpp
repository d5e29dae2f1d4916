#include "window_driver.h"

#include <QApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMetaEnum>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <map>

#include "comforts.h"
#include "game/game.h"
#include "game/lifecycle.h"
#include "json.h"
#include "main_window.h"
#include "model_look.h"
#include "real_input.h"
#include "window_manager.h"

namespace qm::window {
namespace {

using headless::Json;
using headless::ScriptError;

// A list row a player can aim at shows at least this many pixels.
constexpr int kLeastRowPixels = 4;

QString QtText(const std::string& text) { return QString::fromStdString(text); }

// Where a part of a scroll bar (an arrow, the thumb, the groove, the page
// areas beside the thumb) lies, in the bar's own pixels.
QRect PartOf(const QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    if (bar.orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

QAction* ItemIn(const QMenu& popup, const Control& item) {
    for (QAction* action : popup.actions())
        if (!action->isSeparator() && action->text() == qt::TextOf(item.caption)) return action;
    return nullptr;
}

bool OnAScreen(QPoint point) { return QGuiApplication::screenAt(point) != nullptr; }

// A key as Qt names it: by its text (space, Return, Escape, F11, PgUp,
// ctrl+a ...) or by its Qt::Key name (PageUp, Control ...).
QKeyCombination KeyNamed(const std::string& name) {
    bool named = false;
    const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + name).c_str(), &named);
    if (named) return static_cast<Qt::Key>(key);
    const QKeySequence sequence = QKeySequence::fromString(QtText(name));
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) throw ScriptError("no key " + name);
    return sequence[0];
}

}  // namespace

WindowDriver::WindowDriver(const std::string& gameDir, std::ostream& out, std::optional<QDir> boxShots)
    : ScriptDriver(gameDir, out), answerer_(out, std::move(boxShots)) {}

WindowDriver::~WindowDriver() = default;

// The player's program turns the application's event loop once, until the
// game ends itself, which stops the loop for good. So each run of the
// program is one turn here, and a load after an unload begins another.
int WindowDriver::Run(std::istream& script, std::ostream& err) {
    std::optional<int> status;
    int number = 0;
    bool more = true;
    err_ = &err;
    while (more && !status) {
        QTimer::singleShot(0, [&] {
            ended_ = false;
            std::string line;
            while (!status && !ended_ && (more = static_cast<bool>(std::getline(script, line))))
                status = RunLine(line, ++number, err);
            QCoreApplication::exit();
        });
        QApplication::exec();
    }
    window_.reset();
    return status.value_or(0);
}

void WindowDriver::Start() {
    CheckDisplayHoldsScreen();
    window_ = std::make_unique<qt::MainWindow>(*game_, pictures_);
    window_->Attach(dialogs_);
    shown_ = ShownControlsOf(game_->form, *window_);
    for (const auto& [control, timer] : shown_.timers) timers_.Hold(*timer);
    // As the player's program starts: start-up, then the window shows.
    window_->Call(Form_Load);
    if (game_->exitCode) return;
    comforts_ = new qt::Comforts(*window_, *game_, dialogs_, qt::SettingsStore(config_.filePath("settings.ini")));
    timers_.Hold(comforts_->SkipTimer());
    timers_.Hold(comforts_->AutoTimer());
    comforts_->ShowWindow();
}

void WindowDriver::Stop() {
    DismissPopup();
    AskToClose(*window_);
    if (!QTest::qWaitFor([this] { return game_->exitCode.has_value(); }, kWindowManagerMs))
        throw ScriptError("the game did not end when the window manager closed its window");
    window_.reset();
    comforts_ = nullptr;
    shown_ = {};
    ended_ = true;
}

void WindowDriver::Click(Control& control) {
    DismissPopup();
    QWidget& widget = WidgetOf(control);
    ClickFor(control, widget, CentreOnScreen(widget));
}

// The item of the open pop-up menu; without one open, the window offers no
// other way to it, so the item is out of reach.
void WindowDriver::Choose(Control& item) {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* action = popup ? ItemIn(*popup, item) : nullptr;
    if (!action || !action->isEnabled()) out_ << "Unreachable = " << Json(item.Key()) << "\n";
    if (!action) return;
    ClickAt(*popup->windowHandle(), popup->mapToGlobal(popup->actionGeometry(action).center()));
}

void WindowDriver::Select(Control& list, int row) {
    if (row < 0) throw ScriptError("a player cannot take the choice back from a list (select -1 is headless only)");
    DismissPopup();
    QWidget& widget = WidgetOf(list);
    ClickFor(list, widget, RowInSight(widget, row));
}

// set: clicks on the bar's arrows and beside its thumb, which move it by a
// step or a page as a player's keys would (a scroll bar takes no keyboard
// focus). scroll: a drag of the thumb, finished by such clicks when no pixel
// of the drag stands for the value.
void WindowDriver::Set(Control& bar, int value, bool drag) {
    DismissPopup();
    auto& widget = static_cast<QScrollBar&>(WidgetOf(bar));
    const QPoint centre = CentreOnScreen(widget);
    if (!SayIfUnreachable(bar, widget, centre)) {
        if (window_->geometry().contains(centre) && OnAScreen(centre)) ClickAt(WindowToClick(), centre);
        return;
    }
    if (drag) DragThumb(widget, value);
    StepTo(widget, value);
}

void WindowDriver::MouseUp(Control& control, int button) {
    if (button != 1 && button != 2) throw ScriptError("the mouse buttons are 1 (left) and 2 (right)");
    DismissPopup();
    QWidget& widget = WidgetOf(control);
    ClickFor(control, widget, CentreOnScreen(widget), button == 1 ? Qt::LeftButton : Qt::RightButton);
}

void WindowDriver::Tick(Control& timer) {
    timers_.Tick(*shown_.timers.at(&timer));
    QCoreApplication::processEvents();
}

// The window manager resizes the window, as when the player drags its
// frame; the window then keeps its shape and place itself.
void WindowDriver::Resize(int heightTwips) {
    DismissPopup();
    const int height = static_cast<int>(std::lround(heightTwips / screen_.TwipsPerPixel()));
    const QSize size(static_cast<int>(std::lround(height * 4.0 / 3)), height);
    const QSize before = window_->size();
    if (size == before) return;
    AskToResize(*window_, size);
    (void)QTest::qWaitFor([&] { return window_->size() != before; }, kWindowManagerMs);
}

bool WindowDriver::ExtraCommand(const Words& w) {
    const bool key = w[0] == "key" || w[0] == "keydown" || w[0] == "keyup";
    if (!key && w[0] != "shot" && w[0] != "wheel") return false;
    if (w.size() != (w[0] == "wheel" ? 3u : 2u)) throw ScriptError("wrong number of words for " + w[0]);
    Running();
    if (key) KeyCommand(w[0], w[1]);
    if (w[0] == "shot") ShotCommand(w[1]);
    if (w[0] == "wheel") WheelCommand(w[1], headless::ToInt(w[2]));
    return true;
}

// To the window that has the keyboard focus.
void WindowDriver::KeyCommand(const std::string& command, const std::string& name) {
    const QKeyCombination key = KeyNamed(name);
    QWindow* focused = QGuiApplication::focusWindow();
    QWindow& window = focused ? *focused : Window();
    if (command == "key") PressKey(window, key);
    if (command == "keydown") KeyDown(window, key);
    if (command == "keyup") KeyUp(window, key);
}

// At the middle of the control, or of the open text history.
void WindowDriver::WheelCommand(const std::string& name, int notches) {
    DismissPopup();
    QWidget* history = window_->findChild<QWidget*>("HistoryView");
    if (name == "HistoryView") {
        if (!history->isVisible()) out_ << "Unreachable = " << Json(name) << "\n";
        TurnWheel(CentreOnScreen(*history), notches);
        return;
    }
    const Control& control = Find(name);
    QWidget& widget = WidgetOf(control);
    const QPoint point = CentreOnScreen(widget);
    SayIfUnreachable(control, widget, point);
    TurnWheel(point, notches);
}

// The window's inside as the screen shows it, whatever lies over it.
void WindowDriver::ShotCommand(const std::string& file) {
    if (!window_ || !window_->isVisible()) throw ScriptError("no window to photograph");
    const QPixmap shot = window_->screen()->grabWindow(window_->winId());
    if (!shot.save(QtText(file), "PNG")) throw ScriptError("cannot write " + file);
}

std::optional<std::string> WindowDriver::ExtraProperty(const Control& control, const std::string& property) {
    if (property != "Reachable" && property != "Pixels" && property != "Focused") return std::nullopt;
    if (control.kind == Kind::Menu && property == "Reachable") {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QAction* action = popup ? ItemIn(*popup, control) : nullptr;
        return Json(action && action->isEnabled());
    }
    const auto it = shown_.widgets.find(&control);
    if (it == shown_.widgets.end()) return std::nullopt;
    const QWidget& widget = *it->second;
    if (property == "Reachable") return Json(Reaches(widget, CentreOnScreen(widget)));
    if (property == "Focused") return Json(widget.hasFocus());
    if (&widget == window_.get()) return PixelsOf(widget.geometry());
    return PixelsOf(QRect(widget.mapTo(window_.get(), QPoint(0, 0)), widget.size()));
}

// The window's own state beside the model's: Window.FullScreen, .Muted,
// .Volume, .AutoMode, .TextSize, .HighContrast, .ColourNumbers, .Skipping,
// .TextHidden; HistoryView.Visible, .List; SettingsView.Visible.
std::optional<std::string> WindowDriver::OwnProperty(const std::string& name, const std::string& property) {
    if (name != "Window" && name != "HistoryView" && name != "SettingsView") return std::nullopt;
    if (!comforts_) throw ScriptError("the program is not running (load it first)");
    const qt::PlayerSettings& settings = comforts_->Settings();
    const std::map<std::string, std::function<std::string()>> properties = {
        {"Window.FullScreen", [&] { return Json(window_->isFullScreen()); }},
        {"Window.Muted", [&] { return Json(settings.muted); }},
        {"Window.Volume", [&] { return Json(settings.volume); }},
        {"Window.AutoMode", [&] { return Json(settings.autoMode); }},
        {"Window.TextSize", [&] { return Json(settings.textSize); }},
        {"Window.HighContrast", [&] { return Json(settings.highContrast); }},
        {"Window.ColourNumbers", [&] { return Json(settings.colourNumbers); }},
        {"Window.Skipping", [&] { return Json(comforts_->Skipping()); }},
        {"Window.TextHidden", [&] { return Json(comforts_->TextHidden()); }},
        {"HistoryView.Visible", [&] { return Json(comforts_->HistoryOpen()); }},
        {"HistoryView.List",
         [&] {
             std::vector<std::string> rows;
             for (const QString& row : comforts_->HistoryRows()) rows.push_back(row.toStdString());
             return Json(rows);
         }},
        {"SettingsView.Visible", [&] { return Json(comforts_->SettingsOpen()); }},
    };
    const auto it = properties.find(name + "." + property);
    if (it == properties.end()) throw ScriptError(name + " has no property " + property);
    return it->second();
}

// Skip's and auto mode's timers, held as the game's are.
bool WindowDriver::TickOwnTimer(const std::string& name, int count) {
    if (name != "SkipTim" && name != "AutoTim") return false;
    if (!comforts_) throw ScriptError("the program is not running (load it first)");
    QTimer& timer = name == "SkipTim" ? comforts_->SkipTimer() : comforts_->AutoTimer();
    for (int i = 0; i < count && !game_->exitCode; ++i) {
        timers_.Tick(timer);
        QCoreApplication::processEvents();
    }
    return true;
}

void WindowDriver::AfterCommand(int number) {
    if (!window_) return;
    if (const std::string trouble = settler_.Settle(window_.get()); !trouble.empty())
        *err_ << "line " << number << ": " << trouble << "\n";
    if (!window_->isVisible()) return;
    for (const std::string& line : MirrorDifferences(game_->form, shown_, screen_.TwipsPerPixel(), *window_))
        out_ << "Mirror = " << Json(line) << "\n";
}

QWidget& WindowDriver::WidgetOf(const Control& control) {
    const auto it = shown_.widgets.find(&control);
    if (it == shown_.widgets.end()) throw ScriptError(control.Key() + " has nothing on screen");
    return *it->second;
}

QWindow& WindowDriver::Window() { return *window_->windowHandle(); }

// A click on a window without the focus first gives it the focus: the
// window manager does so for a player's click, which it sees, and not for
// input that enters Qt directly. It seldom happens, as the window gets the
// focus back after each box, but not always.
QWindow& WindowDriver::WindowToClick() {
    const bool behind = QApplication::activeModalWidget() || QApplication::activePopupWidget();
    if (!behind && !IsActive(*window_)) {
        AskToActivate(*window_);
        (void)QTest::qWaitFor([this] { return IsActive(*window_) && window_->isActiveWindow(); }, kWindowManagerMs);
    }
    return Window();
}

void WindowDriver::ClickFor(const Control& control, QWidget& widget, QPoint point, Qt::MouseButton button) {
    SayIfUnreachable(control, widget, point);
    // Off the window, the click lands on the desktop, not in the game.
    if (window_->geometry().contains(point) && OnAScreen(point)) ClickAt(WindowToClick(), point, button);
}

bool WindowDriver::SayIfUnreachable(const Control& control, const QWidget& widget, QPoint point) {
    if (Reaches(widget, point)) return true;
    out_ << "Unreachable = " << Json(control.Key()) << "\n";
    return false;
}

// The middle of the part of the row the list shows; a row out of sight is
// first brought in with clicks on the list's own scroll bar.
QPoint WindowDriver::RowInSight(QWidget& widget, int row) {
    auto& list = static_cast<QListWidget&>(widget);
    const QWidget& viewport = *list.viewport();
    for (int click = 0; click <= list.count(); ++click) {
        const QRect rect = list.visualItemRect(list.item(row));
        if (rect.isEmpty()) break;
        const QRect seen = rect.intersected(viewport.rect());
        if (seen.height() >= kLeastRowPixels) return viewport.mapToGlobal(seen.center());
        const QScrollBar& bar = *list.verticalScrollBar();
        if (!list.isVisible() || !bar.isVisible()) return viewport.mapToGlobal(rect.center());
        const bool below = rect.top() >= viewport.height();
        ClickAt(
            WindowToClick(),
            bar.mapToGlobal(PartOf(bar, below ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine).center()));
    }
    return CentreOnScreen(widget);
}

// The game's bars lie horizontally.
void WindowDriver::DragThumb(QScrollBar& bar, int value) {
    const QRect thumb = PartOf(bar, QStyle::SC_ScrollBarSlider), groove = PartOf(bar, QStyle::SC_ScrollBarGroove);
    const QPoint grip = thumb.center();
    Press(WindowToClick(), bar.mapToGlobal(grip));
    // Where the thumb's left edge stands for `value`, as the style places it.
    const int span = groove.width() - thumb.width();
    const int left = groove.x() + QStyle::sliderPositionFromValue(bar.minimum(), bar.maximum(), value, span);
    QPoint at = bar.mapToGlobal(QPoint(left + grip.x() - thumb.x(), grip.y()));
    MoveHeld(Window(), at);
    // A pixel stands for two or three values: try a pixel or two either side.
    for (const int step : {-1, 2, -3, 4}) {
        if (bar.sliderPosition() == value) break;
        at.rx() += step;
        MoveHeld(Window(), at);
    }
    Release(Window(), at);
}

void WindowDriver::StepTo(QScrollBar& bar, int value) {
    while (bar.value() != value) {
        const int before = bar.value(), gap = value - before;
        const bool up = gap > 0;
        const QStyle::SubControl line = up ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
        const QStyle::SubControl page = up ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage;
        QRect part = PartOf(bar, std::abs(gap) >= bar.pageStep() ? page : line);
        if (part.isEmpty()) part = PartOf(bar, line);
        ClickAt(WindowToClick(), bar.mapToGlobal(part.center()));
        if (bar.value() == before)
            throw ScriptError("a click on " + bar.objectName().toStdString() + " did not move it");
    }
}

// A player leaves an open pop-up menu with Escape before doing anything
// else: a click beside it would only close it.
void WindowDriver::DismissPopup() {
    for (int i = 0; i < 3; ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup) return;
        PressKey(*popup->windowHandle(), QKeyCombination(Qt::Key_Escape));
    }
}

void WindowDriver::CheckDisplayHoldsScreen() const {
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    const auto pixels = [this](int twips) { return static_cast<int>(std::lround(twips / screen_.TwipsPerPixel())); };
    const QRect screen(0, 0, pixels(screen_.width), pixels(screen_.height));
    if (!display.contains(screen))
        throw ScriptError("the display (" + std::to_string(display.width()) + " x " + std::to_string(display.height()) +
                          " pixels) cannot hold the game's screen (" + std::to_string(screen.width()) + " x " +
                          std::to_string(screen.height()) + ")");
}

}  // namespace qm::window
